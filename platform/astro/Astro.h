// Our ephemeris: the Moon's phases and longitude, the Sun's apparent longitude and the true solar
// terms, from published theories (ELP/MPP02 for the Moon, VSOP87D for the Earth). It knows no
// calendar. All instants are Julian dates; "TT" ones are dynamical time. Every function is pure.
#pragma once

#include "platform/astro/DeltaT.h"

namespace mirvo::astro {

// TT Julian ephemeris date of phase (0 new moon, 1 first quarter, 2 full moon, 3 last quarter) of
// lunation n; lunation 0 is the new moon of 2000-01-06. Increasing in n and in phase.
double syzyg(int n, int phase);

// Ecliptic longitude of the Moon (apparent, of date) in radians for d = days from
// 2000-01-01 12:00 (AJD - 2451545, taken as TT).
double moonpos(double d);

// Apparent geocentric longitude of the Sun in radians, 0..2π, at the Julian date jd (TT).
double sun_app(double jd);

// The six solar terms from t1 on, 15° of apparent solar longitude apart, the first being t1
// itself; t1 and t2 are consecutive equinox/solstice instants (TT).
void solar_terms_true_sun(double t1, double t2, double six[6]);

// --- Finer pieces, for callers that want more than the calendar interface above ---

// The TT instant, within half a year of jdNear, at which the Sun's apparent longitude is lon
// (radians, any value; taken modulo 2π). Exact to about 1e-7 day of the theory.
double solar_longitude_time(double lon, double jdNear);

// The same from an estimate within an hour or so of the instant (a quarter point from Meeus'
// method, say): Newton steps on the full theory only.
double solar_longitude_refine(double lon, double jdEstimate);

// Nutation in longitude Δψ (IAU 1980 theory), radians, at the Julian date jd (TT).
double nutation_longitude(double jd);

// The Sun's distance from the Earth in AU at the Julian date jd (TT).
double sun_distance(double jd);

// Apparent longitude of the Moon minus that of the Sun, radians in [-π, π), at jd (TT).
double moon_sun_elongation(double jd);

}  // namespace mirvo::astro
