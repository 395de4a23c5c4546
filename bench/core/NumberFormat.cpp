#include "NumberFormat.h"

#include <fmt/core.h>

#include <algorithm>
#include <clocale>
#include <cstdint>

#include "RunError.h"

namespace zandrel::bench {

NumberFormat NumberFormat::FromEnvironment() {
    NumberFormat format;
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && *point != '\0') {
            format.decimalSeparator = point;
        }
    }
    return format;
}

namespace {
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::int32_t ParseNumber(std::string_view text, const NumberFormat& format) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // The whole part saturates just past the 32-bit range; that is enough to
    // tell an overflow, however many digits follow.
    constexpr std::int64_t kSaturate = std::int64_t{1} << 40;
    std::int64_t whole = 0;
    int digits = 0;
    while (!text.empty() && IsDigit(text.front())) {
        whole = std::min(whole * 10 + (text.front() - '0'), kSaturate);
        text.remove_prefix(1);
        ++digits;
    }
    int firstFraction = 0;     // first digit after the separator
    bool restNonZero = false;  // any non-zero digit after that
    const std::string_view sep = format.decimalSeparator;
    if (!sep.empty() && text.starts_with(sep)) {
        text.remove_prefix(sep.size());
        for (bool first = true; !text.empty() && IsDigit(text.front()); first = false) {
            if (first) {
                firstFraction = text.front() - '0';
            } else if (text.front() != '0') {
                restNonZero = true;
            }
            text.remove_prefix(1);
            ++digits;
        }
    }
    if (!text.empty() || digits == 0) {
        throw RunError(RunErrorCode::TypeMismatch);
    }
    const bool roundUp = firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1));
    const std::int64_t magnitude = whole + (roundUp ? 1 : 0);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN) {
        throw RunError(RunErrorCode::Overflow);
    }
    return static_cast<std::int32_t>(value);
}

std::string FormatMilliseconds(double milliseconds, const NumberFormat& format) {
    std::string text = fmt::format("{:.2f}", milliseconds);
    if (text == "-0.00") {
        text.erase(0, 1);
    }
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        text.replace(dot, 1, format.decimalSeparator);
    }
    return text;
}

}  // namespace zandrel::bench
