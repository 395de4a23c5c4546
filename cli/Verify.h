#pragma once

#include <cstdint>
#include <optional>
#include <primesieve.hpp>
#include <string>

#include "StepCatalog.h"

namespace zandrel::cli {

/// The listing a step must produce at a bound, generated on the fly from
/// libprimesieve: "1" first where the step lets 1 pass, then the primes
/// (odd ones only where the step skips even candidates) up to the bound, or
/// one past it for the sieve.
class ExpectedListing {
public:
    ExpectedListing(const StepDef& step, std::int64_t bound);
    ExpectedListing(const ExpectedListing&) = delete;
    ExpectedListing& operator=(const ExpectedListing&) = delete;

    /// The next number of the listing, or nothing after its end.
    std::optional<std::uint64_t> Next();

private:
    bool m_one;
    std::uint64_t m_last;  // largest number listed; 0: none
    primesieve::iterator m_primes;
};

/// Where a listing first differs from what its rule asks for.
struct Difference {
    std::uint64_t item = 0;  ///< 0-based position in the listing
    std::string expected;    ///< "" when the listing should have ended
    std::string got;         ///< "" when the listing ended too early
};

/// A panel that checks every item against the expected listing as it
/// arrives and keeps nothing, so even a listing of 10^8 items costs no memory.
class VerifyPanel final : public Panel {
public:
    VerifyPanel(std::string boundText, const StepDef& step, std::int64_t bound)
        : m_boundText(std::move(boundText)), m_expected(step, bound) {}

    std::string BoundText() const override { return m_boundText; }
    void AppendItem(std::string_view text) override;
    void SetListVisible(bool) override {}
    void SetResultText(std::string_view) override {}

    /// Call after the run: notes items the listing is missing at its end.
    void Finish();

    std::uint64_t Items() const { return m_items; }
    const std::optional<Difference>& FirstDifference() const { return m_difference; }

private:
    std::string m_boundText;
    ExpectedListing m_expected;
    std::uint64_t m_items = 0;
    std::optional<Difference> m_difference;
    bool m_finished = false;
};

}  // namespace zandrel::cli
