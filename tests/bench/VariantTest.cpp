#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "RunError.h"
#include "Variant.h"

namespace zandrel::bench {
namespace {

using K = VariantKind;
const Variant I16(std::int16_t v) { return Variant(v); }
const Variant I32(std::int32_t v) { return Variant(v); }

void ExpectSame(const Variant& got, K kind, double value) {
    EXPECT_EQ(got.Kind(), kind);
    EXPECT_EQ(got.ToDouble(), value);
}

TEST(Variant, ArithmeticWidensOnlyWhenTheResultDoesNotFit) {
    struct Case {
        const char* name;
        Variant result;
        K kind;
        double value;
    };
    const Case cases[] = {
        {"16+16", I16(2) + I16(3), K::Int16, 5},
        {"16+16 past 32767", I16(32767) + I16(1), K::Int32, 32768},
        {"16-16 past -32768", I16(-32768) - I16(1), K::Int32, -32769},
        {"16+32", I16(1) + I32(40000), K::Int32, 40001},
        {"32 small result stays 32", I32(5) - I16(3), K::Int32, 2},
        {"32+16 past 2^31-1", I32(INT32_MAX) + I16(2), K::Real64, 2147483649.0},
        {"32-32 below -2^31", I32(INT32_MIN) - I32(1), K::Real64, -2147483649.0},
        {"real+16", Variant(2.5) + I16(2), K::Real64, 4.5},
        {"16+real", I16(2) + Variant(0.25), K::Real64, 2.25},
        {"9 mod 3", Mod(I16(9), I16(3)), K::Int16, 0},
        {"10 mod 4", Mod(I16(10), I16(4)), K::Int16, 2},
        {"32 mod 16", Mod(I32(100000), I16(7)), K::Int32, 100000 % 7},
        {"real mod rounds first", Mod(Variant(10.5), I16(4)), K::Int32, 2},  // 10.5 -> 10
        {"real mod ties to even", Mod(Variant(11.5), I16(5)), K::Int32, 2},  // 11.5 -> 12
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSame(c.result, c.kind, c.value);
    }
}

TEST(Variant, ComparesNumericValuesWhateverTheKinds) {
    EXPECT_TRUE(I16(0) == I32(0));
    EXPECT_TRUE(I16(0) == Variant(0.0));
    EXPECT_TRUE(I16(2) < Variant(2.5));
    EXPECT_FALSE(Variant(2.5) < I16(2));
    EXPECT_TRUE(I32(-40000) < I16(-1));
    EXPECT_FALSE(I32(7) < I16(7));
    EXPECT_TRUE(Variant("abc") < Variant("abd"));
    EXPECT_TRUE(Variant("13") == Variant("13"));
}

TEST(Variant, Conversions) {
    EXPECT_EQ(I16(13).ToText(), "13");
    EXPECT_EQ(I32(-2147483647 - 1).ToText(), "-2147483648");
    EXPECT_EQ(Variant(2.5).ToText(NumberFormat{","}), "2,5");
    EXPECT_EQ(Variant("x y").ToText(), "x y");
    struct Case {
        double real;
        std::int32_t whole;
    };
    for (const Case& c : {Case{2.5, 2}, Case{3.5, 4}, Case{-2.5, -2}, Case{2.4999, 2},
                          Case{2147483647.4, INT32_MAX}, Case{-2147483648.0, INT32_MIN}}) {
        SCOPED_TRACE(c.real);
        EXPECT_EQ(Variant(c.real).ToInt32(), c.whole);
    }
    EXPECT_EQ(Variant(" 1000 ").ToInt32(), 1000);
}

TEST(Variant, ErrorsAreTyped) {
    struct Case {
        const char* name;
        void (*op)();
        RunErrorCode code;
    };
    const Case cases[] = {
        {"real beyond 32 bits", [] { (void)Variant(2147483647.5).ToInt32(); }, RunErrorCode::Overflow},
        {"real below 32 bits", [] { (void)Variant(-2147483649.0).ToInt32(); }, RunErrorCode::Overflow},
        {"text not a number", [] { (void)Variant("abc").ToInt32(); }, RunErrorCode::TypeMismatch},
        {"text in arithmetic", [] { (void)(Variant("1") + I16(1)); }, RunErrorCode::TypeMismatch},
        {"text against number", [] { (void)(Variant("1") < I16(1)); }, RunErrorCode::TypeMismatch},
        {"remainder by zero", [] { (void)Mod(I16(1), I16(0)); }, RunErrorCode::DivisionByZero},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.op();
            ADD_FAILURE() << "no error";
        } catch (const RunError& e) {
            EXPECT_EQ(e.Code(), c.code);
        }
    }
}

std::vector<double> Passes(const Variant& start, const Variant& end, const Variant& step,
                           int leaveAfter = -1) {
    std::vector<double> seen;
    Variant v;
    ForNext(v, start, end, step, NumberFormat{}, [&] {
        seen.push_back(v.ToDouble());
        return static_cast<int>(seen.size()) != leaveAfter;
    });
    return seen;
}

TEST(ForNext, CountedLoops) {
    struct Case {
        const char* name;
        std::vector<double> passes;
        std::vector<double> expected;
    };
    const Variant one = I16(1);
    const Case cases[] = {
        {"2 to 0", Passes(I16(2), I16(0), one), {}},
        {"2 to 1", Passes(I16(2), I16(1), one), {}},
        {"1 to 1", Passes(one, I16(1), one), {1}},
        {"1 to 7 step 2", Passes(one, I16(7), I16(2)), {1, 3, 5, 7}},
        {"1 to 8 step 2", Passes(one, I16(8), I16(2)), {1, 3, 5, 7}},
        {"5 to 1 step -2", Passes(I16(5), one, I16(-2)), {5, 3, 1}},
        {"text end", Passes(one, Variant("4"), one), {1, 2, 3, 4}},
        {"real end", Passes(one, Variant(2.5), one), {1, 2}},
        {"early exit", Passes(one, I16(9), one, 3), {1, 2, 3}},
        {"up to the largest 32-bit value",
         Passes(I32(INT32_MAX - 4), I32(INT32_MAX), I16(2)),
         {INT32_MAX - 4.0, INT32_MAX - 2.0, INT32_MAX}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.passes, c.expected);
    }
}

TEST(ForNext, SixteenBitCounterRunsPast32767) {
    Variant v;
    int passes = 0;
    ForNext(v, I16(1), I32(40000), NumberFormat{}, [&] {
        ++passes;
        return true;
    });
    EXPECT_EQ(passes, 40000);
    EXPECT_EQ(v.ToDouble(), 40001);
}

TEST(ForNext, EndAndStepAreEvaluatedOnce) {
    Variant end = I16(3);
    Variant v;
    int passes = 0;
    ForNext(v, I16(1), end, NumberFormat{}, [&] {
        end = I16(100);  // too late: the loop took its copy
        return ++passes < 50;
    });
    EXPECT_EQ(passes, 3);
}

TEST(ForNext, ALoopEndThatIsNotANumberFailsBeforeTheFirstPass) {
    Variant v;
    int passes = 0;
    EXPECT_THROW(ForNext(v, I16(1), Variant("abc"), NumberFormat{},
                         [&] {
                             ++passes;
                             return true;
                         }),
                 RunError);
    EXPECT_EQ(passes, 0);
}

}  // namespace
}  // namespace zandrel::bench
