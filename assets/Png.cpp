// SPDX-License-Identifier: GPL-3.0-or-later
// A small PNG writer with its own deflate: greedy LZ77 matches coded with the fixed Huffman
// codes. It compresses icons about as well as zlib, and unlike a library its output cannot
// change from one machine to the next, which the committed icons rely on.
#include "Png.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>

namespace pictures {

namespace {

std::uint32_t crc32(const std::uint8_t *data, std::size_t size)
{
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint32_t adler32(const Bytes &data)
{
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// Deflate packs its fields from the lowest bit of each byte up; Huffman codes go in with their
// first bit first.
class BitWriter
{
public:
    explicit BitWriter(Bytes &out) : m_out(out) { }
    void bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit((value >> i) & 1u);
    }
    void code(std::uint32_t value, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit((value >> i) & 1u);
    }
    void flush()
    {
        if (m_count > 0)
            m_out.push_back(m_byte);
        m_byte = 0;
        m_count = 0;
    }

private:
    void bit(std::uint32_t value)
    {
        m_byte = static_cast<std::uint8_t>(m_byte | value << m_count);
        if (++m_count == 8)
            flush();
    }

    Bytes &m_out;
    std::uint8_t m_byte = 0;
    int m_count = 0;
};

// The fixed literal/length code of deflate.
void putSymbol(BitWriter &out, int symbol)
{
    if (symbol < 144)
        out.code(static_cast<std::uint32_t>(0x30 + symbol), 8);
    else if (symbol < 256)
        out.code(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    else if (symbol < 280)
        out.code(static_cast<std::uint32_t>(symbol - 256), 7);
    else
        out.code(static_cast<std::uint32_t>(0xc0 + symbol - 280), 8);
}

constexpr std::array<int, 29> lengthBase = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
    35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> lengthExtra
    = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> distanceBase = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> distanceExtra = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7,
    8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The last entry of @p bases that is at most @p value.
template<std::size_t N> std::size_t bucket(const std::array<int, N> &bases, int value)
{
    return static_cast<std::size_t>(
        std::upper_bound(bases.begin(), bases.end(), value) - bases.begin() - 1);
}

void putMatch(BitWriter &out, int length, int distance)
{
    const std::size_t l = bucket(lengthBase, length);
    putSymbol(out, 257 + static_cast<int>(l));
    out.bits(static_cast<std::uint32_t>(length - lengthBase[l]), lengthExtra[l]);
    const std::size_t d = bucket(distanceBase, distance);
    out.code(static_cast<std::uint32_t>(d), 5);
    out.bits(static_cast<std::uint32_t>(distance - distanceBase[d]), distanceExtra[d]);
}

constexpr int window = 32768;
constexpr int maxMatch = 258;
constexpr int chainLimit = 128;

// Earlier places where the same three bytes start, newest first, found through a hash chain.
class Matcher
{
public:
    explicit Matcher(const Bytes &data) : m_data(data), m_previous(data.size(), -1) { }

    // The longest earlier repeat of the bytes at @p at, as length and distance.
    std::pair<int, int> find(int at) const
    {
        int bestLength = 0, bestDistance = 0;
        if (at + 3 > size())
            return {0, 0};
        int candidate = m_head[hash(at)];
        const int longest = std::min(maxMatch, size() - at);
        for (int tries = 0; candidate >= 0 && at - candidate <= window && tries < chainLimit;
             ++tries) {
            int length = 0;
            while (length < longest && byte(candidate + length) == byte(at + length))
                ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = at - candidate;
                if (length == longest)
                    break;
            }
            candidate = m_previous[static_cast<std::size_t>(candidate)];
        }
        return bestLength >= 3 ? std::pair {bestLength, bestDistance} : std::pair {0, 0};
    }

    void insert(int at)
    {
        if (at + 3 > size())
            return;
        const std::size_t h = hash(at);
        m_previous[static_cast<std::size_t>(at)] = m_head[h];
        m_head[h] = at;
    }

private:
    int size() const { return static_cast<int>(m_data.size()); }
    std::uint8_t byte(int at) const { return m_data[static_cast<std::size_t>(at)]; }
    std::size_t hash(int at) const
    {
        const std::uint32_t value = static_cast<std::uint32_t>(byte(at)) << 16
            | static_cast<std::uint32_t>(byte(at + 1)) << 8 | byte(at + 2);
        return (value * 2654435761u) >> 17;
    }

    const Bytes &m_data;
    std::vector<int> m_previous;
    std::array<int, 1 << 15> m_head = [] {
        std::array<int, 1 << 15> heads {};
        heads.fill(-1);
        return heads;
    }();
};

// A zlib stream holding one deflate block with the fixed codes.
Bytes deflate(const Bytes &raw)
{
    Bytes out {0x78, 0x01};
    BitWriter bits(out);
    bits.bits(1, 1); // the last block
    bits.bits(1, 2); // fixed Huffman codes
    Matcher matcher(raw);
    const int size = static_cast<int>(raw.size());
    for (int at = 0; at < size;) {
        const auto [length, distance] = matcher.find(at);
        if (length == 0) {
            putSymbol(bits, raw[static_cast<std::size_t>(at)]);
            matcher.insert(at++);
            continue;
        }
        putMatch(bits, length, distance);
        for (int i = 0; i < length; ++i)
            matcher.insert(at++);
    }
    putSymbol(bits, 256);
    bits.flush();
    put32BigEndian(out, adler32(raw));
    return out;
}

int paeth(int left, int up, int upLeft)
{
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Each row gets the filter whose output is smallest as signed bytes, the usual rule of thumb
// for what deflate then packs best.
Bytes filterRows(int size, const Bytes &rows)
{
    const int stride = size * 4;
    Bytes out;
    for (int y = 0; y < size; ++y) {
        const auto at = [&](int row, int x) {
            return row < 0 || x < 0
                ? 0
                : rows[static_cast<std::size_t>(row) * static_cast<std::size_t>(stride)
                    + static_cast<std::size_t>(x)];
        };
        Bytes best;
        long bestCost = -1;
        for (int filter = 0; filter < 5; ++filter) {
            Bytes row {static_cast<std::uint8_t>(filter)};
            long cost = 0;
            for (int x = 0; x < stride; ++x) {
                const int left = at(y, x - 4), up = at(y - 1, x), upLeft = at(y - 1, x - 4);
                const int predictions[] = {0, left, up, (left + up) / 2, paeth(left, up, upLeft)};
                const auto value = static_cast<std::uint8_t>(at(y, x) - predictions[filter]);
                row.push_back(value);
                cost += std::abs(static_cast<std::int8_t>(value));
            }
            if (bestCost < 0 || cost < bestCost) {
                bestCost = cost;
                best = std::move(row);
            }
        }
        out.insert(out.end(), best.begin(), best.end());
    }
    return out;
}

void putChunk(Bytes &out, const char (&type)[5], const Bytes &data)
{
    put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32BigEndian(out, crc32(out.data() + start, out.size() - start));
}

} // namespace

Bytes encodePng(int size, const std::vector<Rgba> &pixels)
{
    if (pixels.size() != static_cast<std::size_t>(size) * static_cast<std::size_t>(size))
        throw std::logic_error("a PNG picture has the wrong number of pixels");
    Bytes rows;
    for (const Rgba &pixel : pixels) {
        // Fully transparent pixels are written black, so that no hidden colour is kept.
        if (pixel.a == 0)
            rows.insert(rows.end(), {0, 0, 0, 0});
        else
            rows.insert(rows.end(), {pixel.r, pixel.g, pixel.b, pixel.a});
    }
    Bytes header;
    put32BigEndian(header, static_cast<std::uint32_t>(size));
    put32BigEndian(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, filtered, no interlace
    Bytes out {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", deflate(filterRows(size, rows)));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace pictures
