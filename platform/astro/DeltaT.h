// Delta T = TT - UT. A small module of its own so that another model can be swapped in.
#pragma once

namespace mirvo::astro {

// Delta T in seconds at the decimal year y (Espenak & Meeus 2006).
double DeltaTSeconds(double decimalYear);

// Delta T in minutes for a whole CE year, evaluated at mid-year so that it is constant within the
// year. The second argument is accepted for the vendor library's signature and ignored.
double deltat(double year, int unused = 1915);

}  // namespace mirvo::astro
