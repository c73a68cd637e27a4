#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>

// Sets of small numbers (the ranks of classes) as bits in 64-bit words: the number n is
// bit n % 64 of word n / 64. The callers keep the words.
using TBitwort = std::uint64_t;
constexpr int BitsProWort = 64;

// The words a set of the numbers below anzahl takes; at least one.
constexpr int Bitwoerter(int anzahl)
{
    return std::max(1, (anzahl + BitsProWort - 1) / BitsProWort);
}

inline bool BitGesetzt(const TBitwort* menge, int n)
{
    return (menge[n / BitsProWort] >> (n % BitsProWort)) & 1u;
}

inline void BitSetzen(TBitwort* menge, int n)
{
    menge[n / BitsProWort] |= TBitwort{1} << (n % BitsProWort);
}

inline void BitLoeschen(TBitwort* menge, int n)
{
    menge[n / BitsProWort] &= ~(TBitwort{1} << (n % BitsProWort));
}

inline bool BitsLeer(std::span<const TBitwort> menge)
{
    return std::all_of(menge.begin(), menge.end(), [](TBitwort w) { return w == 0; });
}

// The smallest number of the set; -1 for the empty set.
inline int ErstesBit(std::span<const TBitwort> menge)
{
    for (std::size_t w = 0; w < menge.size(); ++w)
        if (menge[w])
            return static_cast<int>(w) * BitsProWort + std::countr_zero(menge[w]);
    return -1;
}
