// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and byte buffers shared by the picture generator's writers of the Windows formats.
#pragma once

#include <cstdint>
#include <vector>

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline void put16(Bytes &out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(Bytes &out, std::uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

inline void put32BigEndian(Bytes &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

/// The 40-byte information header of a Windows bitmap, as bitmaps and icons both carry it.
inline void putInfoHeader(Bytes &out, int width, int height, int bitCount, std::uint32_t imageSize)
{
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1); // planes
    put16(out, static_cast<std::uint32_t>(bitCount));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 0); // no resolution
    put32(out, 0);
    put32(out, 0); // colours used: all the bit count allows
    put32(out, 0);
}

} // namespace pictures
