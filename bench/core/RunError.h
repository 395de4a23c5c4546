#pragma once

#include <stdexcept>
#include <string_view>

namespace zandrel::bench {

/// Why a workbench run stopped before listing anything more.
enum class RunErrorCode {
    TypeMismatch,         ///< the bound text is not a number
    Overflow,             ///< a number outside the signed 32-bit range
    SubscriptOutOfRange,  ///< the sieve's array bounds are impossible (bound below -1)
    OutOfMemory,          ///< an allocation failed
    DivisionByZero,       ///< a remainder by zero
};

/// The German text the windows show for a code, e.g. "Typen unverträglich".
std::string_view GermanText(RunErrorCode code);

/// A short English description for the command line.
std::string_view EnglishText(RunErrorCode code);

/// Thrown by a run that cannot go on. Items listed before it stay listed.
class RunError : public std::runtime_error {
public:
    explicit RunError(RunErrorCode code) : std::runtime_error(std::string(EnglishText(code))), m_code(code) {}
    RunErrorCode Code() const { return m_code; }

private:
    RunErrorCode m_code;
};

}  // namespace zandrel::bench
