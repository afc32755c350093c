#pragma once
#include <cstdint>

// Position-based hashing: the same arguments always give the same value, so
// pictures come out identical on every run without a shared random state.
inline uint32_t Hash3(uint32_t a, uint32_t b, uint32_t c)
{
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}
// A value in [0, 1) from the hash.
inline double Noise01(int a, int b, int c)
{
    return (Hash3(static_cast<uint32_t>(a), static_cast<uint32_t>(b), static_cast<uint32_t>(c)) >> 8) / 16777216.0;
}
