#pragma once

#include <cstdint>
#include <primesieve.hpp>
#include <string>
#include <vector>

namespace zandrel::test {

/// The primes in [from, to] as decimal texts, from libprimesieve.
inline std::vector<std::string> PrimeTexts(std::uint64_t from, std::uint64_t to) {
    std::vector<std::string> texts;
    if (to < from || to < 2) {
        return texts;
    }
    std::vector<std::uint64_t> primes;
    primesieve::generate_primes(from, to, &primes);
    texts.reserve(primes.size() + 1);
    for (std::uint64_t p : primes) {
        texts.push_back(std::to_string(p));
    }
    return texts;
}

/// "1" followed by the primes in [from, to]: what a trial division lists when it
/// lets 1 pass.
inline std::vector<std::string> OneAndPrimes(std::uint64_t from, std::int64_t to) {
    std::vector<std::string> texts;
    if (to < 1) {
        return texts;
    }
    texts.push_back("1");
    auto primes = PrimeTexts(from, static_cast<std::uint64_t>(to));
    texts.insert(texts.end(), primes.begin(), primes.end());
    return texts;
}

}  // namespace zandrel::test
