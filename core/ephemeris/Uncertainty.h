// How far the civil time of a computed new moon or solar term may be from the true one: the error
// of the ephemeris in dynamical time plus that of Delta T. A month whose new moon (or deciding
// solar term) lies closer to midnight than this may begin (or be numbered) differently in tables
// made with another ephemeris or another Delta T.
#pragma once

namespace mirvo {

enum class InstantKind { kNewMoon, kSolarTerm };

// Largest error, in seconds, of this ephemeris' instants (TT) in the CE year: the larger of the
// difference measured against an independent high-precision ephemeris over -3000..3000 and that
// ephemeris' own stated accuracy (2 s for new moons, 6 s for solar terms over 1600-2200).
double EphemerisErrorSeconds(InstantKind kind, double year);

// Uncertainty, in seconds, of an instant's civil time in the CE year: twice the one-sigma
// uncertainty of Delta T plus the ephemeris error. A margin to midnight below it cannot tell the
// two civil days apart.
double CivilTimeUncertaintySeconds(InstantKind kind, double year);

}  // namespace mirvo
