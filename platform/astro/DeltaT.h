// Delta T = TT - UT. A small module of its own so that another model can be swapped in.
//
// Observed values from 1962 to the last whole year of the IERS series; the long-term model of
// Morrison, Stephenson, Hohenkerk and Zawilski (2021) before that; after the observations a
// continuation from the last observed value and rate onto that model's parabola.
#pragma once

namespace mirvo::astro {

// Delta T in seconds at the decimal year y (2000.5 is the middle of 2000). Defined for every y,
// continuous in value and slope except at the middle of each observed year, where the observed
// values are joined by straight lines.
double DeltaTSeconds(double decimalYear);

// Delta T in minutes for a whole CE year, evaluated at mid-year so that it is constant within the
// year. The second argument is accepted for the vendor library's signature and ignored.
double deltat(double year, int unused = 1915);

// One-sigma uncertainty, in seconds, of deltat(year) as the Delta T of any instant of that CE
// year: the uncertainty of the value itself by era, and the change of Delta T within the year that
// the one value for the whole year leaves out.
double DeltaTUncertaintySeconds(double year);

// The first and the last CE year whose Delta T is an observed value.
int DeltaTFirstObservedYear();
int DeltaTLastObservedYear();

}  // namespace mirvo::astro
