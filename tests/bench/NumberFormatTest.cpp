#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "NumberFormat.h"
#include "RunError.h"

namespace zandrel::bench {
namespace {

const NumberFormat kGerman{","};
const NumberFormat kEnglish{"."};

struct ParseCase {
    const char* text;
    const NumberFormat* format;
    std::int32_t value;  // when no error
    int error;           // -1: none, else a RunErrorCode
};
constexpr int kOk = -1;
constexpr int kMismatch = static_cast<int>(RunErrorCode::TypeMismatch);
constexpr int kOverflow = static_cast<int>(RunErrorCode::Overflow);

TEST(ParseNumber, WhatAPersonTypesAsANumber) {
    const ParseCase cases[] = {
        {"1000", &kGerman, 1000, kOk},
        {"  42\t", &kGerman, 42, kOk},
        {"+5", &kGerman, 5, kOk},
        {"-0", &kGerman, 0, kOk},
        {"-7", &kGerman, -7, kOk},
        {"12,5", &kGerman, 12, kOk},  // ties to even
        {"13,5", &kGerman, 14, kOk},
        {"12,51", &kGerman, 13, kOk},
        {"12,500000001", &kGerman, 13, kOk},
        {"-2,5", &kGerman, -2, kOk},
        {"-2,6", &kGerman, -3, kOk},
        {",5", &kGerman, 0, kOk},
        {"7,", &kGerman, 7, kOk},
        {"12.5", &kEnglish, 12, kOk},
        {"2147483647", &kGerman, INT32_MAX, kOk},
        {"-2147483648", &kGerman, INT32_MIN, kOk},
        {"2147483647,4", &kGerman, INT32_MAX, kOk},
        {"2147483646,5", &kGerman, 2147483646, kOk},
        {"2147483647,5", &kGerman, 0, kOverflow},
        {"2147483648", &kGerman, 0, kOverflow},
        {"-2147483649", &kGerman, 0, kOverflow},
        {"1234567890123456789012345678901234567890", &kGerman, 0, kOverflow},
        {"", &kGerman, 0, kMismatch},
        {"   ", &kGerman, 0, kMismatch},
        {"abc", &kGerman, 0, kMismatch},
        {"12ab", &kGerman, 0, kMismatch},
        {"12.5", &kGerman, 0, kMismatch},  // not the German separator
        {"12,5", &kEnglish, 0, kMismatch},
        {"1e3", &kGerman, 0, kMismatch},
        {"- 5", &kGerman, 0, kMismatch},
        {"+-5", &kGerman, 0, kMismatch},
        {",", &kGerman, 0, kMismatch},
        {"1 000", &kGerman, 0, kMismatch},
        {"\xd9\xa3", &kGerman, 0, kMismatch},  // ARABIC-INDIC DIGIT THREE
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" with " + c.format->decimalSeparator);
        try {
            const std::int32_t value = ParseNumber(c.text, *c.format);
            EXPECT_EQ(c.error, kOk) << "parsed as " << value;
            EXPECT_EQ(value, c.value);
        } catch (const RunError& e) {
            EXPECT_EQ(static_cast<int>(e.Code()), c.error);
        }
    }
}

// Reads a formatted time back as a number, with the separator it was given.
double ReadBack(std::string text, const NumberFormat& format) {
    const auto sep = text.find(format.decimalSeparator);
    EXPECT_NE(sep, std::string::npos) << text;
    EXPECT_EQ(text.size() - sep - format.decimalSeparator.size(), 2u) << "two decimals in " << text;
    text.replace(sep, format.decimalSeparator.size(), ".");
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(FormatMilliseconds, TwoDecimalsRoundedWithTheLocaleSeparator) {
    struct Case {
        double ms;
        double shown;
    };
    const Case cases[] = {{12.3456, 12.35}, {12.344, 12.34},         {0.0, 0.0}, {0.004, 0.0}, {-0.004, 0.0},
                          {-0.3, -0.3},     {123456.789, 123456.79}, {5.0, 5.0}};
    for (const NumberFormat* format : {&kGerman, &kEnglish}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.ms);
            const std::string text = FormatMilliseconds(c.ms, *format);
            EXPECT_DOUBLE_EQ(ReadBack(text, *format), c.shown);
            EXPECT_NE(text[0], '+');
            EXPECT_EQ(text.find_first_of(format->decimalSeparator == "," ? "." : ","), std::string::npos)
                << text;
        }
    }
    EXPECT_EQ(FormatMilliseconds(12.3456, kGerman), "12,35");
    EXPECT_EQ(FormatMilliseconds(-0.001, kGerman), "0,00");  // no "-0,00"
}

}  // namespace
}  // namespace zandrel::bench
