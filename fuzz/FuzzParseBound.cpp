// The dialog's leading-integer reading against a model with 128-bit
// arithmetic: any bytes, never a crash, always the clamped leading integer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CalcRun.h"

namespace {

__extension__ typedef __int128 Int128;

std::int32_t Model(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    Int128 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < (Int128{1} << 100)) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (zandrel::dialog::ParseBound(text) != Model(text)) std::abort();
    return 0;
}
