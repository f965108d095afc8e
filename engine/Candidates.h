// Candidate texts (the values still possible in each cell) and the single-value techniques.
#pragma once

#include "Board.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace engine {

// The characters "0".."8" of a candidate text as a 9-bit mask. A text only ever loses
// characters, so it is always in ascending order and the mask is the same thing.
class CandidateSet
{
    // A table rather than std::popcount: the baseline x86-64 target has no popcount instruction.
    static constexpr std::array<std::uint8_t, 512> BitCounts = [] {
        std::array<std::uint8_t, 512> counts{};
        for (unsigned bits = 0; bits < 512; ++bits)
            counts[bits] = static_cast<std::uint8_t>(std::popcount(bits));
        return counts;
    }();

public:
    constexpr CandidateSet() = default;
    static constexpr CandidateSet All() { return FromBits(0x1FF); }
    static constexpr CandidateSet Single(int v) { return FromBits(std::uint16_t(1u << v)); }
    static constexpr CandidateSet FromBits(std::uint16_t bits)
    {
        CandidateSet set;
        set.m_bits = bits;
        return set;
    }
    // "0".."8" characters in any order; other characters are ignored.
    static CandidateSet FromText(std::string_view text);

    [[nodiscard]] constexpr bool Has(int v) const { return (m_bits >> v) & 1u; }
    constexpr void Add(int v) { m_bits = std::uint16_t(m_bits | (1u << v)); }
    constexpr void Remove(int v) { m_bits = std::uint16_t(m_bits & ~(1u << v)); }
    // Deletes the given values; true when at least one was present.
    constexpr bool RemoveAll(CandidateSet values)
    {
        const bool hit = (m_bits & values.m_bits) != 0;
        m_bits = std::uint16_t(m_bits & ~values.m_bits);
        return hit;
    }
    [[nodiscard]] constexpr int Count() const { return BitCounts[m_bits & 0x1FF]; }
    [[nodiscard]] constexpr bool IsEmpty() const { return m_bits == 0; }
    [[nodiscard]] constexpr bool IsSingle() const
    {
        return m_bits != 0 && (m_bits & (m_bits - 1)) == 0;
    }
    // The lowest value of the set; for a single it is its value.
    [[nodiscard]] constexpr int First() const { return std::countr_zero(m_bits); }
    [[nodiscard]] constexpr std::uint16_t Bits() const { return m_bits; }
    [[nodiscard]] std::string Text() const;

    constexpr CandidateSet operator|(CandidateSet other) const
    {
        return FromBits(std::uint16_t(m_bits | other.m_bits));
    }
    constexpr bool operator==(const CandidateSet&) const = default;

private:
    std::uint16_t m_bits = 0;
};

// 81 candidate texts indexed texts[x][y]; cells holds them flat in the order x * 9 + y.
struct CandidateTexts
{
    std::array<CandidateSet, 81> cells{};

    CandidateSet* operator[](int x) { return cells.data() + x * 9; }
    const CandidateSet* operator[](int x) const { return cells.data() + x * 9; }
    bool operator==(const CandidateTexts&) const = default;
};

// Every empty cell of CurrentGrid gets the values its row, column and box allow there, every filled cell the
// single text of its value.
[[nodiscard]] CandidateTexts FillCandidateTexts(const Board& board);

// The solver's form: the same texts, and CurrentGrid copied into SolutionGrid on the way.
[[nodiscard]] CandidateTexts FillCandidateTextsAndSolution(Board& board);

// Removes value from the texts of the 20 peers of (x, y); true when any character was removed.
bool RemoveFromPeers(CandidateTexts& texts, int x, int y, CandidateSet value);

// The cells still empty in a solution grid, rows outer and columns inner, as flat indices.
struct OpenCells
{
    std::array<std::uint8_t, 81> cells{};
    int count = 0;
};

[[nodiscard]] OpenCells OpenCellsOf(const Grid& solution);

// Over the open cells only, which it keeps up to date: every single text whose cell is still
// open is placed in solution and removed from its peers at once. True when anything was placed.
bool NakedSinglesPass(CandidateTexts& texts, Grid& solution, OpenCells& open);

// Gives a value to the only cell of a row, column or box that can take it. Rows count only the
// cells whose text is not exactly the value; columns and boxes count decided cells too. Never
// places anything in a grid. True when a text became a single.
bool HiddenSingles(CandidateTexts& texts);

} // namespace engine
