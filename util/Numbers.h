// Floored integer division and remainder: the quotient rounds toward minus infinity and the
// remainder takes the divisor's sign, so that days, years and cycle positions before the epoch
// (negative counts) land on the right place of their cycle.
#pragma once

#include <cstdint>

namespace mirvo {

constexpr int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

constexpr int64_t FloorMod(int64_t a, int64_t b) { return a - b * FloorDiv(a, b); }

}  // namespace mirvo
