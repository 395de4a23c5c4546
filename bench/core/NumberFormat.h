#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zandrel::bench {

/// The parts of the user's locale the workbench reads and writes numbers with.
struct NumberFormat {
    std::string decimalSeparator = ".";

    /// The decimal separator of the process's LC_NUMERIC locale as set from the
    /// environment (calls setlocale(LC_NUMERIC, "")).
    static NumberFormat FromEnvironment();
};

/// Converts what a person types as a number to a signed 32-bit integer:
/// optional blanks, an optional sign, digits, optionally the locale's decimal
/// separator and more digits, optional blanks; at least one digit. A fraction
/// is rounded to the nearest whole number, ties to the even one.
/// Throws RunError: TypeMismatch for any other text, Overflow outside 32 bits.
std::int32_t ParseNumber(std::string_view text, const NumberFormat& format);

/// Formats milliseconds with exactly two decimals, the locale's separator and
/// no grouping; a value that rounds to zero shows without a minus sign.
std::string FormatMilliseconds(double milliseconds, const NumberFormat& format);

}  // namespace zandrel::bench
