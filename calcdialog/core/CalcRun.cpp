#include "CalcRun.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "zandrel/Platform.h"

namespace zandrel::dialog {

bool PrimeTest(std::int32_t n) {
    for (std::int32_t d = 2;; ++d) {
        // Opaque keeps the root inside the loop, one per divisor, as measured.
        const double r = std::round(std::sqrt(Opaque(static_cast<double>(n) - 1.0)));
        if (!(d <= r)) {  // also ends at once on the NaN of n < 1
            return true;
        }
        if (n % d == 0) {
            return false;
        }
    }
}

std::int32_t ParseBound(std::string_view text) {
    std::size_t pos = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate in 64 bits and clamp once past the 32-bit range.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = std::min(value * 10 + (text[pos] - '0'), kLimit);
    }
    if (negative) {
        return static_cast<std::int32_t>(-value);
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, kLimit - 1));
}

std::string FormatElapsed(std::uint32_t elapsedTicks) {
    return "Zeitmessung: " + std::to_string(static_cast<std::int32_t>(elapsedTicks)) + " ms";
}

void CalcRun(Panel& panel, const TickSource& ticks) {
    const std::int32_t bound = ParseBound(panel.BoundText());

    const std::uint32_t first = ticks();
    ForEachOddCandidate(1, bound, [&panel](std::int32_t candidate) {
        if (PrimeTest(candidate)) {
            char text[16];
            const auto end = std::to_chars(text, text + sizeof text, candidate).ptr;
            panel.AppendItem(std::string_view(text, static_cast<std::size_t>(end - text)));
        }
    });
    const std::uint32_t second = ticks();

    panel.SetResultText(FormatElapsed(second - first));
}

}  // namespace zandrel::dialog
