#pragma once

#include <cstdint>
#include <string>

#include "NumberFormat.h"

namespace zandrel::bench {

enum class VariantKind : std::uint8_t { Int16, Int32, Real64, Text };

/// A value that carries its kind, with arithmetic and comparison decided at
/// run time from the kinds it holds. The operations are deliberately out of
/// line: the cost of that dispatch is what the workbench's first steps show.
class Variant {
public:
    Variant() = default;  // the 16-bit integer 0
    Variant(std::int16_t value) : m_kind(VariantKind::Int16) { m_value.i16 = value; }
    Variant(std::int32_t value) : m_kind(VariantKind::Int32) { m_value.i32 = value; }
    Variant(double value) : m_kind(VariantKind::Real64) { m_value.r64 = value; }
    Variant(std::string text) : m_kind(VariantKind::Text) { m_value.text = new std::string(std::move(text)); }
    Variant(const char* text) : Variant(std::string(text)) {}

    // A value: copies copy the text; numbers are 16 bytes and cost no allocation.
    Variant(const Variant& other) : m_kind(other.m_kind) {
        m_value = other.m_value;
        if (m_kind == VariantKind::Text) m_value.text = new std::string(*other.m_value.text);
    }
    Variant(Variant&& other) noexcept : m_kind(other.m_kind) {
        m_value = other.m_value;
        other.m_kind = VariantKind::Int16;  // the text, if any, moved with the pointer
    }
    Variant& operator=(const Variant& other) {
        if (this != &other) {
            Variant copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            Release();
            m_kind = other.m_kind;
            m_value = other.m_value;
            other.m_kind = VariantKind::Int16;
        }
        return *this;
    }
    ~Variant() { Release(); }

    VariantKind Kind() const { return m_kind; }

    /// Whole numbers exactly; a real rounded to the nearest, ties to even; a
    /// text through ParseNumber. Throws RunError Overflow outside 32 bits.
    std::int32_t ToInt32(const NumberFormat& format = {}) const;
    /// Numbers as they are; a text through ParseNumber.
    double ToDouble(const NumberFormat& format = {}) const;
    /// Integers as plain decimal digits with a leading "-" when negative; a
    /// real in its shortest exact form with the locale's separator; a text as is.
    std::string ToText(const NumberFormat& format = {}) const;

    /// a + b, a - b: the wider integer kind, widened further (16 to 32 bits,
    /// 32 bits to a real) when the exact result does not fit; a real operand
    /// gives a real. A text operand throws RunError TypeMismatch.
    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    /// Remainder of the whole numbers (reals rounded first); an integer kind.
    /// Throws DivisionByZero for b = 0, TypeMismatch for a text.
    friend Variant Mod(const Variant& a, const Variant& b);
    /// Numeric comparison whatever the kinds; two texts compare as text, a
    /// text and a number throw TypeMismatch.
    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator<(const Variant& a, const Variant& b);

private:
    std::int64_t Whole() const;  // an integer kind's value
    bool IsInteger() const { return m_kind == VariantKind::Int16 || m_kind == VariantKind::Int32; }
    double Real() const;         // a numeric kind's value
    void RequireNumber() const;  // throws TypeMismatch for a text

    void Release() {
        if (m_kind == VariantKind::Text) delete m_value.text;
    }

    VariantKind m_kind = VariantKind::Int16;
    // A trivial union: copying it as a whole copies whichever member is active.
    union Payload {
        double r64;
        std::int16_t i16;
        std::int32_t i32;
        std::string* text;  // owned when m_kind is Text
    };
    Payload m_value{0.0};
};

/// Counted loop over a Variant counter: start, end and step are evaluated
/// once (a text through ParseNumber, which may throw), then v runs from start
/// while v <= end (v >= end for a negative step), adding step after each pass.
/// body() returns false to leave the loop at once, keeping v.
template <class Body>
void ForNext(Variant& v, const Variant& start, const Variant& end, const Variant& step,
             const NumberFormat& format, Body&& body) {
    auto numeric = [&format](const Variant& x) {
        return x.Kind() == VariantKind::Text ? Variant(x.ToInt32(format)) : x;
    };
    const Variant last = numeric(end);
    const Variant increment = numeric(step);
    const bool up = !(increment < Variant(std::int16_t{0}));
    for (v = numeric(start); up ? !(last < v) : !(v < last); v = v + increment) {
        if (!body()) {
            return;
        }
    }
}

/// ForNext with the step 1 (a 16-bit integer).
template <class Body>
void ForNext(Variant& v, const Variant& start, const Variant& end, const NumberFormat& format, Body&& body) {
    ForNext(v, start, end, Variant(std::int16_t{1}), format, std::forward<Body>(body));
}

}  // namespace zandrel::bench
