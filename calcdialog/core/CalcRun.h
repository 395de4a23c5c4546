#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "zandrel/Panel.h"

namespace zandrel::dialog {

/// Millisecond tick source; the program uses zandrel::TickCount, tests a fake.
using TickSource = std::function<std::uint32_t()>;

/// Trial division of n by 2, 3, ... up to sqrt(n - 1) rounded to the nearest
/// whole number, the root taken anew before every divisor (that cost is part
/// of what the dialog measures). True when no divisor is found, so 1, 2 and 3
/// pass; meant for n >= 1 (smaller n also return true).
bool PrimeTest(std::int32_t n);

/// The leading-integer reading of a bound text: leading white space skipped,
/// an optional sign and the following decimal digits read, the rest ignored;
/// no digits gives 0. Values beyond 32 bits clamp to INT32_MIN / INT32_MAX.
std::int32_t ParseBound(std::string_view text);

/// "Zeitmessung: <elapsed> ms", the elapsed ticks shown as a signed 32-bit number.
std::string FormatElapsed(std::uint32_t elapsedTicks);

/// Calls fn(i) for i = first, first + 2, ... while i <= bound. The counter is
/// 64 bits wide, so a bound of 2147483647 ends the walk without overflow.
template <class Fn>
void ForEachOddCandidate(std::int32_t first, std::int32_t bound, Fn&& fn) {
    for (std::int64_t i = first; i <= bound; i += 2) {
        fn(static_cast<std::int32_t>(i));
    }
}

/// The dialog's search run: reads the bound, then, timed by ticks, appends
/// every odd candidate 1, 3, 5, ... <= bound that passes PrimeTest to the
/// panel's list, and writes the elapsed time into its result box. Works for
/// every 32-bit bound, 2147483647 included.
void CalcRun(Panel& panel, const TickSource& ticks);

}  // namespace zandrel::dialog
