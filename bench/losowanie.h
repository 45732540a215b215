// The random numbers of the synthetic file generators.
#pragma once

#include <cstdint>

// Deterministic on every platform (the standard distributions are not).
class CLosowanie {
public:
    explicit CLosowanie(unsigned nZiarno) : m_nStan(0x9E3779B97F4A7C15ull ^ nZiarno) {}
    std::uint64_t Nastepna() {
        m_nStan ^= m_nStan << 13;
        m_nStan ^= m_nStan >> 7;
        m_nStan ^= m_nStan << 17;
        return m_nStan;
    }
    std::uint64_t Do(std::uint64_t n) { return Nastepna() % n; }
    // True once in n draws on average.
    bool Raz(std::uint64_t n) { return Do(n) == 0; }

private:
    std::uint64_t m_nStan;
};
