// SPDX-License-Identifier: MIT
// PNG pictures read by the program itself: the zlib stream inflated (stored,
// fixed and dynamic Huffman blocks), the rows unfiltered, the colours
// premultiplied by their alpha.
#include "Png.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace forms::win {

namespace {

// The bits of a deflate stream, least significant first.
class Bits {
public:
    Bits(const unsigned char* bytes, std::size_t size)
        : bytes_(bytes)
        , size_(size) {}

    unsigned Take(int count) {
        while (held_ < count) {
            if (at_ == size_) {
                broken_ = true;
                return 0;
            }
            buffer_ |= std::uint32_t{bytes_[at_++]} << held_;
            held_ += 8;
        }
        const unsigned value = buffer_ & ((1u << count) - 1);
        buffer_ >>= count;
        held_ -= count;
        return value;
    }
    // On to the next whole byte (fewer than 8 bits are ever held).
    void Align() {
        buffer_ = 0;
        held_ = 0;
    }
    // Whole bytes, after Align().
    bool Copy(std::vector<unsigned char>& out, std::size_t count) {
        if (size_ - at_ < count) {
            broken_ = true;
            return false;
        }
        out.insert(out.end(), bytes_ + at_, bytes_ + at_ + count);
        at_ += count;
        return true;
    }
    bool Broken() const { return broken_; }

private:
    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::uint32_t buffer_ = 0;
    int held_ = 0;
    bool broken_ = false;
};

// A canonical Huffman code: how many codes each length has, and the
// symbols in the order of their codes.
struct Huffman {
    std::array<std::uint16_t, 16> counts{};
    std::vector<std::uint16_t> symbols;
};

Huffman Code(const std::uint8_t* lengths, int count) {
    Huffman code;
    code.symbols.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        ++code.counts[lengths[i]];
    std::array<std::uint16_t, 16> offsets{};
    for (std::size_t length = 1; length < 15; ++length)
        offsets[length + 1] = static_cast<std::uint16_t>(offsets[length] + code.counts[length]);
    for (int i = 0; i < count; ++i)
        if (lengths[i])
            code.symbols[offsets[lengths[i]]++] = static_cast<std::uint16_t>(i);
    return code;
}

// The next symbol, or -1.
int Decode(Bits& in, const Huffman& code) {
    int bits = 0, first = 0, index = 0;
    for (std::size_t length = 1; length < 16 && !in.Broken(); ++length) {
        bits |= static_cast<int>(in.Take(1));
        const int count = code.counts[length];
        if (bits - first < count)
            return code.symbols[static_cast<std::size_t>(index + bits - first)];
        index += count;
        first = (first + count) << 1;
        bits <<= 1;
    }
    return -1;
}

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// One block's letters and copies, up to its end.
bool Codes(Bits& in, std::vector<unsigned char>& out, const Huffman& letters,
           const Huffman& distances) {
    for (;;) {
        const int symbol = Decode(in, letters);
        if (symbol < 0 || in.Broken())
            return false;
        if (symbol < 256) {
            out.push_back(static_cast<unsigned char>(symbol));
            continue;
        }
        if (symbol == 256)
            return true;
        const auto lengthCode = static_cast<std::size_t>(symbol - 257);
        if (lengthCode >= kLengthBase.size())
            return false;
        const std::size_t length = kLengthBase[lengthCode] + in.Take(kLengthExtra[lengthCode]);
        const int distanceCode = Decode(in, distances);
        if (distanceCode < 0 || distanceCode >= static_cast<int>(kDistanceBase.size()))
            return false;
        const auto d = static_cast<std::size_t>(distanceCode);
        const std::size_t distance = kDistanceBase[d] + in.Take(kDistanceExtra[d]);
        if (distance > out.size() || in.Broken())
            return false;
        for (std::size_t i = 0; i < length; ++i)
            out.push_back(out[out.size() - distance]);
    }
}

bool FixedBlock(Bits& in, std::vector<unsigned char>& out) {
    std::array<std::uint8_t, 288 + 30> lengths{};
    for (std::size_t i = 0; i < 288; ++i)
        lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    for (std::size_t i = 288; i < lengths.size(); ++i)
        lengths[i] = 5;
    static const Huffman letters = Code(lengths.data(), 288);
    static const Huffman distances = Code(lengths.data() + 288, 30);
    return Codes(in, out, letters, distances);
}

bool DynamicBlock(Bits& in, std::vector<unsigned char>& out) {
    const int letterCount = static_cast<int>(in.Take(5)) + 257;
    const int distanceCount = static_cast<int>(in.Take(5)) + 1;
    const int lengthCount = static_cast<int>(in.Take(4)) + 4;
    if (letterCount > 286 || distanceCount > 30)
        return false;
    // The code of the code lengths comes first, its lengths in this order.
    constexpr std::array<std::uint8_t, 19> kOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                  11, 4,  12, 3, 13, 2, 14, 1, 15};
    std::array<std::uint8_t, 286 + 30> lengths{};
    for (int i = 0; i < lengthCount; ++i)
        lengths[kOrder[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(in.Take(3));
    const Huffman lengthCode = Code(lengths.data(), 19);
    lengths.fill(0);
    const int total = letterCount + distanceCount;
    for (int i = 0; i < total;) {
        const int symbol = Decode(in, lengthCode);
        if (symbol < 0)
            return false;
        if (symbol < 16) {
            lengths[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        // 16 repeats the last length 3 to 6 times; 17 and 18 give 3 to 10 and
        // 11 to 138 zeros.
        std::uint8_t value = 0;
        int repeat = 0;
        if (symbol == 16) {
            if (i == 0)
                return false;
            value = lengths[static_cast<std::size_t>(i - 1)];
            repeat = 3 + static_cast<int>(in.Take(2));
        } else if (symbol == 17) {
            repeat = 3 + static_cast<int>(in.Take(3));
        } else {
            repeat = 11 + static_cast<int>(in.Take(7));
        }
        if (i + repeat > total)
            return false;
        while (repeat-- > 0)
            lengths[static_cast<std::size_t>(i++)] = value;
    }
    return Codes(in, out, Code(lengths.data(), letterCount),
                 Code(lengths.data() + letterCount, distanceCount));
}

std::uint32_t BigEndian(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

std::uint32_t Adler32(const std::vector<unsigned char>& data) {
    std::uint32_t a = 1, b = 0;
    for (const unsigned char byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// The PNG filter that predicts from the left, upper and upper-left bytes.
int Paeth(int left, int up, int upLeft) {
    const int p = left + up - upLeft;
    const int toLeft = std::abs(p - left), toUp = std::abs(p - up), toUpLeft = std::abs(p - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

} // namespace

std::vector<unsigned char> Inflate(const unsigned char* bytes, std::size_t size) {
    // The zlib header: deflate with a window of at most 32 KB, no preset
    // dictionary, and its check; the data's Adler-32 after the blocks.
    if (size < 6 || (bytes[0] & 0x0F) != 8 || (bytes[0] >> 4) > 7 || (bytes[1] & 0x20) ||
        (bytes[0] << 8 | bytes[1]) % 31 != 0)
        return {};
    Bits in(bytes + 2, size - 2);
    std::vector<unsigned char> out;
    for (bool last = false; !last;) {
        last = in.Take(1) != 0;
        bool whole = false;
        switch (in.Take(2)) {
        case 0: {
            in.Align();
            const unsigned length = in.Take(16);
            whole = (in.Take(16) ^ 0xFFFF) == length && in.Copy(out, length);
            break;
        }
        case 1:
            whole = FixedBlock(in, out);
            break;
        case 2:
            whole = DynamicBlock(in, out);
            break;
        default:
            break;
        }
        if (!whole || in.Broken())
            return {};
    }
    in.Align();
    std::uint32_t check = 0;
    for (int i = 0; i < 4; ++i)
        check = check << 8 | in.Take(8);
    if (in.Broken() || check != Adler32(out))
        return {};
    return out;
}

Pixels DecodePng(const unsigned char* bytes, std::size_t size) {
    constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < sizeof kSignature || std::memcmp(bytes, kSignature, sizeof kSignature) != 0)
        return {};
    std::uint32_t width = 0, height = 0, channels = 0;
    std::vector<unsigned char> compressed;
    // Chunks: length, type, data, CRC.
    for (std::size_t at = sizeof kSignature; at + 12 <= size;) {
        const std::uint32_t length = BigEndian(bytes + at);
        if (length > size - at - 12)
            return {};
        const unsigned char* type = bytes + at + 4;
        const unsigned char* data = type + 4;
        if (std::memcmp(type, "IHDR", 4) == 0 && length >= 13) {
            width = BigEndian(data);
            height = BigEndian(data + 4);
            // 8 bits per channel, RGB (2) or RGBA (6), deflate, the standard
            // filters, not interlaced.
            if (data[8] != 8 || (data[9] != 2 && data[9] != 6) || data[10] || data[11] || data[12])
                return {};
            channels = data[9] == 6 ? 4 : 3;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            compressed.insert(compressed.end(), data, data + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        }
        at += 12 + std::size_t{length};
    }
    if (!channels || !width || !height || width > 4096 || height > 4096)
        return {};
    const std::vector<unsigned char> filtered = Inflate(compressed.data(), compressed.size());
    const std::size_t stride = std::size_t{width} * channels;
    if (filtered.size() != height * (stride + 1))
        return {};

    // Each row: its filter, then its bytes as differences from a prediction.
    std::vector<unsigned char> rows(height * stride);
    for (std::size_t y = 0; y < height; ++y) {
        const unsigned char* in = &filtered[y * (stride + 1)];
        unsigned char* row = &rows[y * stride];
        const unsigned char* up = y ? row - stride : nullptr;
        for (std::size_t x = 0; x < stride; ++x) {
            const int left = x >= channels ? row[x - channels] : 0;
            const int above = up ? up[x] : 0;
            const int aboveLeft = up && x >= channels ? up[x - channels] : 0;
            int prediction = 0;
            switch (in[0]) {
            case 0:
                break;
            case 1:
                prediction = left;
                break;
            case 2:
                prediction = above;
                break;
            case 3:
                prediction = (left + above) / 2;
                break;
            case 4:
                prediction = Paeth(left, above, aboveLeft);
                break;
            default:
                return {};
            }
            row[x] = static_cast<unsigned char>(in[1 + x] + prediction);
        }
    }

    Pixels picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.bgra.resize(std::size_t{width} * height);
    for (std::size_t i = 0; i < picture.bgra.size(); ++i) {
        const unsigned char* p = &rows[i * channels];
        const std::uint32_t alpha = channels == 4 ? p[3] : 255;
        const auto times = [alpha](unsigned char c) { return (c * alpha + 127) / 255; };
        picture.bgra[i] = alpha << 24 | times(p[0]) << 16 | times(p[1]) << 8 | times(p[2]);
    }
    return picture;
}

} // namespace forms::win
