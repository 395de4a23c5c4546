// Variant arithmetic and comparison against a model in 64-bit integers and
// long double: values, and the kinds the results take.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "RunError.h"
#include "Variant.h"

using zandrel::bench::RunError;
using zandrel::bench::Variant;
using zandrel::bench::VariantKind;

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    template <class T>
    bool Take(T& out) {
        if (size < sizeof(T)) return false;
        std::memcpy(&out, data, sizeof(T));
        data += sizeof(T);
        size -= sizeof(T);
        return true;
    }
};

bool TakeVariant(Reader& in, Variant& v, long double& model, bool& integer) {
    std::uint8_t kind = 0;
    if (!in.Take(kind)) return false;
    switch (kind % 3) {
        case 0: {
            std::int16_t x = 0;
            if (!in.Take(x)) return false;
            v = Variant(x), model = x, integer = true;
            return true;
        }
        case 1: {
            std::int32_t x = 0;
            if (!in.Take(x)) return false;
            v = Variant(x), model = x, integer = true;
            return true;
        }
        default: {
            double x = 0;
            if (!in.Take(x) || !std::isfinite(x) || std::fabs(x) > 1e15) return false;
            v = Variant(x), model = x, integer = false;
            return true;
        }
    }
}

VariantKind IntegerKind(long double value, VariantKind atLeast) {
    if (atLeast == VariantKind::Int16 && value >= INT16_MIN && value <= INT16_MAX) return VariantKind::Int16;
    if (value >= INT32_MIN && value <= INT32_MAX) return VariantKind::Int32;
    return VariantKind::Real64;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    Variant a, b;
    long double x = 0, y = 0;
    bool xi = false, yi = false;
    if (!TakeVariant(in, a, x, xi) || !TakeVariant(in, b, y, yi)) return 0;
    const bool integers = xi && yi;
    const VariantKind wider = a.Kind() > b.Kind() ? a.Kind() : b.Kind();

    const Variant sum = a + b;
    const Variant difference = a - b;
    if (integers) {
        Check(sum.ToDouble() == static_cast<double>(x + y));
        Check(difference.ToDouble() == static_cast<double>(x - y));
        Check(sum.Kind() == IntegerKind(x + y, wider));
        Check(difference.Kind() == IntegerKind(x - y, wider));
    } else {
        Check(sum.Kind() == VariantKind::Real64 && difference.Kind() == VariantKind::Real64);
        Check(sum.ToDouble() == static_cast<double>(x) + static_cast<double>(y));
    }
    Check((a == b) == (x == y));
    Check((a < b) == (x < y));

    // The remainder rounds reals to 32-bit whole numbers first.
    const long double wx = xi ? x : std::nearbyintl(x);
    const long double wy = yi ? y : std::nearbyintl(y);
    const bool inRange = wx >= INT32_MIN && wx <= INT32_MAX && wy >= INT32_MIN && wy <= INT32_MAX;
    try {
        const Variant r = Mod(a, b);  // found through its arguments
        Check(inRange && wy != 0);
        Check(r.ToDouble() ==
              static_cast<double>(static_cast<std::int64_t>(wx) % static_cast<std::int64_t>(wy)));
    } catch (const RunError&) {
        Check(!inRange || wy == 0);
    }
    return 0;
}
