#include "platform/astro/TrigSeries.h"

#include <cmath>

namespace mirvo::astro {

TreeArguments::TreeArguments(const ArgumentTree& tree)
    : tree_(tree), count_(1 + tree.angleCount + tree.nodes.size()) {
  if (3 * count_ > kInline) heap_ = std::make_unique_for_overwrite<double[]>(3 * count_);
  re_ = heap_ ? heap_.get() : inline_;
  im_ = re_ + count_;
  rate_ = im_ + count_;
  re_[0] = 1;
  im_[0] = 0;
  rate_[0] = 0;
}

void TreeArguments::SetAngle(size_t b, double angle, double rate) {
  re_[1 + b] = std::cos(angle);
  im_[1 + b] = std::sin(angle);
  rate_[1 + b] = rate;
}

void TreeArguments::MultiplyNodes() {
  double* const re = re_;
  double* const im = im_;
  double* const rate = rate_;
  size_t out = 1 + tree_.angleCount;
  for (const ProductNode& n : tree_.nodes) {
    const size_t b = n.b & ~kConjugate;
    const double xr = re[n.a], xi = im[n.a], yr = re[b];
    double yi = im[b], yRate = rate[b];
    if (n.b & kConjugate) {
      yi = -yi;
      yRate = -yRate;
    }
    re[out] = xr * yr - xi * yi;
    im[out] = xr * yi + xi * yr;
    rate[out] = rate[n.a] + yRate;
    ++out;
  }
}

void TreeArguments::Evaluate(double t) {
  t_ = t;
  for (size_t b = 0; b < tree_.angleCount; ++b) {
    const double* p = tree_.angles[b].poly;
    const double angle = t * (p[0] + t * (p[1] + t * (p[2] + t * p[3])));
    const double rate = p[0] + t * (2 * p[1] + t * (3 * p[2] + t * 4 * p[3]));
    SetAngle(b, angle, rate);
  }
  MultiplyNodes();
}

void TreeArguments::EvaluateAngles(double t, const double* angles, const double* rates) {
  t_ = t;
  for (size_t b = 0; b < tree_.angleCount; ++b) SetAngle(b, angles[b], rates[b]);
  MultiplyNodes();
}

SeriesValue TreeArguments::Sum(const TrigSeries& series) const {
  // Horner over the powers of t, highest first: value = Σ t^k v_k, rate = Σ t^k d_k + k t^(k-1) v_k.
  // Four partial sums each, so that the additions do not wait on one another.
  const double* const re = re_;
  const double* const im = im_;
  const double* const rate = rate_;
  const auto add = [&](const TrigTerm& term, double& v, double& d) {
    const size_t j = term.phasor;
    v += term.c * re[j] + term.s * im[j];
    d += (term.s * re[j] - term.c * im[j]) * rate[j];
  };
  SeriesValue total;
  for (int k = 5; k >= 0; --k) {
    const std::span<const TrigTerm> terms = series.terms[k];
    double v[4] = {}, d[4] = {};
    size_t i = 0;
    for (; i + 4 <= terms.size(); i += 4) {
      add(terms[i], v[0], d[0]);
      add(terms[i + 1], v[1], d[1]);
      add(terms[i + 2], v[2], d[2]);
      add(terms[i + 3], v[3], d[3]);
    }
    for (; i < terms.size(); ++i) add(terms[i], v[i & 3], d[i & 3]);
    const double value = (v[0] + v[1]) + (v[2] + v[3]);
    const double derivative = (d[0] + d[1]) + (d[2] + d[3]);
    total.rate = total.rate * t_ + total.value + derivative;
    total.value = total.value * t_ + value;
  }
  return total;
}

}  // namespace mirvo::astro
