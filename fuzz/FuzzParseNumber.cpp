// The workbench's number reading against a model: which texts it accepts is
// checked against a regular expression of the rule, and for texts of up to 15
// digits the value against long double arithmetic rounded half to even.
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "NumberFormat.h"
#include "RunError.h"

using zandrel::bench::NumberFormat;
using zandrel::bench::RunError;
using zandrel::bench::RunErrorCode;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the locale's separator.
    const NumberFormat format{(data[0] & 1) != 0 ? "," : "."};
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string sep = format.decimalSeparator == "," ? "," : "\\.";
    static const std::regex comma(R"(^[ \t\n\v\f\r]*[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)[ \t\n\v\f\r]*$)");
    static const std::regex point(R"(^[ \t\n\v\f\r]*[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)[ \t\n\v\f\r]*$)");
    const bool wellFormed = std::regex_match(text, format.decimalSeparator == "," ? comma : point);

    std::int32_t value = 0;
    int error = -1;
    try {
        value = zandrel::bench::ParseNumber(text, format);
    } catch (const RunError& e) {
        error = static_cast<int>(e.Code());
    }
    if (!wellFormed) {
        if (error != static_cast<int>(RunErrorCode::TypeMismatch)) std::abort();
        return 0;
    }
    if (error == static_cast<int>(RunErrorCode::TypeMismatch)) std::abort();

    std::size_t digits = 0;
    for (char c : text) digits += (c >= '0' && c <= '9') ? 1 : 0;
    if (digits > 15) return 0;  // beyond what long double holds exactly
    std::string normal = text;
    for (char& c : normal) {
        if (c == ',') c = '.';
    }
    std::fesetround(FE_TONEAREST);
    const long double exact = std::strtold(normal.c_str(), nullptr);
    const long double rounded = std::nearbyintl(exact);
    const bool fits = rounded >= INT32_MIN && rounded <= INT32_MAX;
    if (fits != (error == -1)) std::abort();
    if (fits && value != static_cast<std::int32_t>(rounded)) std::abort();
    return 0;
}
