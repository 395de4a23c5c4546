#include "Variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "RunError.h"

namespace zandrel::bench {

namespace {

std::int32_t RealToInt32(double value) {
    const double rounded = std::nearbyint(value);  // ties to even in the default rounding mode
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RunError(RunErrorCode::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

// The narrowest of the kinds at least as wide as `atLeast` that holds value exactly.
Variant IntegerResult(std::int64_t value, VariantKind atLeast) {
    if (atLeast == VariantKind::Int16 && value >= INT16_MIN && value <= INT16_MAX) {
        return Variant(static_cast<std::int16_t>(value));
    }
    if (value >= INT32_MIN && value <= INT32_MAX) {
        return Variant(static_cast<std::int32_t>(value));
    }
    return Variant(static_cast<double>(value));
}

VariantKind Wider(VariantKind a, VariantKind b) { return a > b ? a : b; }

// Both kinds in one switch label.
constexpr int Pair(VariantKind a, VariantKind b) { return static_cast<int>(a) * 4 + static_cast<int>(b); }
constexpr int kI16I16 = Pair(VariantKind::Int16, VariantKind::Int16);
constexpr int kI16I32 = Pair(VariantKind::Int16, VariantKind::Int32);
constexpr int kI32I16 = Pair(VariantKind::Int32, VariantKind::Int16);
constexpr int kI32I32 = Pair(VariantKind::Int32, VariantKind::Int32);

}  // namespace

std::int64_t Variant::Whole() const { return m_kind == VariantKind::Int16 ? m_value.i16 : m_value.i32; }

double Variant::Real() const {
    switch (m_kind) {
        case VariantKind::Int16: return m_value.i16;
        case VariantKind::Int32: return m_value.i32;
        case VariantKind::Real64: return m_value.r64;
        case VariantKind::Text: break;
    }
    throw RunError(RunErrorCode::TypeMismatch);
}

void Variant::RequireNumber() const {
    if (m_kind == VariantKind::Text) {
        throw RunError(RunErrorCode::TypeMismatch);
    }
}

std::int32_t Variant::ToInt32(const NumberFormat& format) const {
    switch (m_kind) {
        case VariantKind::Int16: return m_value.i16;
        case VariantKind::Int32: return m_value.i32;
        case VariantKind::Real64: return RealToInt32(m_value.r64);
        case VariantKind::Text: return ParseNumber(*m_value.text, format);
    }
    return 0;
}

double Variant::ToDouble(const NumberFormat& format) const {
    return m_kind == VariantKind::Text ? ParseNumber(*m_value.text, format) : Real();
}

std::string Variant::ToText(const NumberFormat& format) const {
    char buffer[32];
    std::to_chars_result r{};
    switch (m_kind) {
        case VariantKind::Int16: r = std::to_chars(buffer, buffer + sizeof buffer, m_value.i16); break;
        case VariantKind::Int32: r = std::to_chars(buffer, buffer + sizeof buffer, m_value.i32); break;
        case VariantKind::Real64: {
            r = std::to_chars(buffer, buffer + sizeof buffer, m_value.r64);
            std::string text(buffer, r.ptr);
            if (const auto dot = text.find('.'); dot != std::string::npos) {
                text.replace(dot, 1, format.decimalSeparator);
            }
            return text;
        }
        case VariantKind::Text: return *m_value.text;
    }
    return std::string(buffer, r.ptr);
}

// The integer cases first: they are the ones the loops run on.
Variant operator+(const Variant& a, const Variant& b) {
    switch (Pair(a.m_kind, b.m_kind)) {
        case kI16I16: return IntegerResult(std::int64_t{a.m_value.i16} + b.m_value.i16, VariantKind::Int16);
        case kI16I32:
        case kI32I16:
        case kI32I32: return IntegerResult(a.Whole() + b.Whole(), VariantKind::Int32);
        default: return Variant(a.Real() + b.Real());  // Real() rejects a text
    }
}

Variant operator-(const Variant& a, const Variant& b) {
    switch (Pair(a.m_kind, b.m_kind)) {
        case kI16I16: return IntegerResult(std::int64_t{a.m_value.i16} - b.m_value.i16, VariantKind::Int16);
        case kI16I32:
        case kI32I16:
        case kI32I32: return IntegerResult(a.Whole() - b.Whole(), VariantKind::Int32);
        default: return Variant(a.Real() - b.Real());
    }
}

Variant Mod(const Variant& a, const Variant& b) {
    a.RequireNumber();
    b.RequireNumber();
    const std::int64_t divisor = b.IsInteger() ? b.Whole() : RealToInt32(b.m_value.r64);
    const std::int64_t dividend = a.IsInteger() ? a.Whole() : RealToInt32(a.m_value.r64);
    if (divisor == 0) {
        throw RunError(RunErrorCode::DivisionByZero);
    }
    // A real operand was rounded to 32 bits, so its result is 32 bits wide.
    const VariantKind kind = a.IsInteger() && b.IsInteger() ? Wider(a.m_kind, b.m_kind) : VariantKind::Int32;
    return IntegerResult(dividend % divisor, kind);
}

bool operator==(const Variant& a, const Variant& b) {
    switch (Pair(a.m_kind, b.m_kind)) {
        case kI16I16:
        case kI16I32:
        case kI32I16:
        case kI32I32: return a.Whole() == b.Whole();
        case Pair(VariantKind::Text, VariantKind::Text): return *a.m_value.text == *b.m_value.text;
        default: return a.Real() == b.Real();
    }
}

bool operator<(const Variant& a, const Variant& b) {
    switch (Pair(a.m_kind, b.m_kind)) {
        case kI16I16:
        case kI16I32:
        case kI32I16:
        case kI32I32: return a.Whole() < b.Whole();
        case Pair(VariantKind::Text, VariantKind::Text): return *a.m_value.text < *b.m_value.text;
        default: return a.Real() < b.Real();
    }
}

}  // namespace zandrel::bench
