// The game's one pseudo-random source: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace engine {

class Random
{
public:
    explicit Random(std::uint32_t seed = 0)
        : m_seed(seed)
    {}

    // Advances the state first, then maps it onto 0..n-1 (the high half of seed * n).
    std::uint32_t Draw(std::uint32_t n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * n) >> 32);
    }

    [[nodiscard]] std::uint32_t Seed() const { return m_seed; }
    void SetSeed(std::uint32_t seed) { m_seed = seed; }

private:
    std::uint32_t m_seed;
};

} // namespace engine
