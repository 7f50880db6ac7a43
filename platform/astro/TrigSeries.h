// Trigonometric series whose arguments are integer combinations of a few basis angles (the
// Delaunay arguments, the mean longitudes of the planets). The sine and cosine of every argument
// are built by angle addition, e^{i(a+b)} = e^{ia}·e^{ib}, from one sine and cosine per basis
// angle: the series costs a complex multiplication per argument instead of a trigonometric call
// per term, and gives its time derivative almost for free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace mirvo::astro {

// A basis angle a(t) = poly[0]·t + poly[1]·t² + poly[2]·t³ + poly[3]·t⁴ in radians; a term's
// constant phase is folded into its coefficients.
struct BasisAngle {
  double poly[4];
};

// The phasors e^{i·x} of a tree's arguments are numbered: 0 is the constant 1, 1..A are the A
// basis angles, and node j (counted from 0) is phasor A + 1 + j: the product of phasor a and
// phasor b, or of a and the conjugate of b when b carries kConjugate. Operands come first.
inline constexpr uint16_t kConjugate = 0x8000;
struct ProductNode {
  uint16_t a;
  uint16_t b;
};

// `angles` may be empty when the caller supplies the angles itself (EvaluateAngles).
struct ArgumentTree {
  std::span<const BasisAngle> angles;
  size_t angleCount;
  std::span<const ProductNode> nodes;
};

// A term c·cos x + s·sin x, x the argument of phasor `phasor`.
struct TrigTerm {
  uint16_t phasor;
  double c;
  double s;
};

// Σ_k t^k Σ terms[k].
struct TrigSeries {
  const ArgumentTree* tree;
  std::span<const TrigTerm> terms[6];
};

// A series' value and its derivative with respect to t.
struct SeriesValue {
  double value = 0;
  double rate = 0;
};

// The cosines and sines of all arguments of one tree at one instant, with the arguments' rates.
// Made once per solution and evaluated at each step.
class TreeArguments {
 public:
  explicit TreeArguments(const ArgumentTree& tree);
  // At time t, the angles from their polynomials.
  void Evaluate(double t);
  // At time t, with the angles (radians) and their rates given, angleCount of each.
  void EvaluateAngles(double t, const double* angles, const double* rates);
  // Value and derivative of a series on this tree, at the instant last evaluated.
  SeriesValue Sum(const TrigSeries& series) const;

 private:
  void SetAngle(size_t b, double angle, double rate);
  void MultiplyNodes();

  const ArgumentTree& tree_;
  size_t count_;
  double t_ = 0;
  // The real parts, imaginary parts and rates of all phasors, count_ of each: in the object for
  // the tables of the ephemeris, on the heap for larger ones. Left uninitialised until evaluated.
  static constexpr size_t kInline = 3 * 640;
  double inline_[kInline];
  std::unique_ptr<double[]> heap_;
  double* re_;
  double* im_;
  double* rate_;
};

}  // namespace mirvo::astro
