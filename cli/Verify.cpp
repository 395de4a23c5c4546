#include "Verify.h"

namespace zandrel::cli {

ExpectedListing::ExpectedListing(const StepDef& step, std::int64_t bound)
    : m_one(step.listsOne && bound >= 1),
      m_last(bound + step.beyondBound >= 2 ? static_cast<std::uint64_t>(bound + step.beyondBound) : 0),
      m_primes(step.listsTwo ? 2 : 3, m_last) {}

std::optional<std::uint64_t> ExpectedListing::Next() {
    if (m_one) {
        m_one = false;
        return 1;
    }
    if (m_last < 2) {
        return std::nullopt;
    }
    const std::uint64_t p = m_primes.next_prime();
    if (p > m_last) {
        m_last = 0;  // stays ended
        return std::nullopt;
    }
    return p;
}

void VerifyPanel::AppendItem(std::string_view text) {
    const std::uint64_t item = m_items++;
    if (m_difference) {
        return;
    }
    const std::optional<std::uint64_t> expected = m_expected.Next();
    const std::string want = expected ? std::to_string(*expected) : std::string();
    if (want != text) {
        m_difference = Difference{item, want, std::string(text)};
    }
}

void VerifyPanel::Finish() {
    if (m_finished || m_difference) {
        return;
    }
    m_finished = true;
    if (const std::optional<std::uint64_t> missing = m_expected.Next()) {
        m_difference = Difference{m_items, std::to_string(*missing), std::string()};
    }
}

}  // namespace zandrel::cli
