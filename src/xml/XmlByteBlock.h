#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Sixteen bytes of a text, compared with a byte at once. Searching is most of
// the reader's and the writer's work: a test per byte, or a library call per
// short run, costs more than that. The compiler turns the vector type into
// the target's vector instructions.
class XmlByteBlock {
public:
    static constexpr std::size_t kSize = 16;
    using Bytes = unsigned char __attribute__((vector_size(kSize)));

    // The block at `at`, before the text's end; past it, NULs fill the block.
    static Bytes at(std::string_view text, std::size_t at) {
        Bytes bytes;
        if (text.size() - at >= kSize) {
            std::memcpy(&bytes, text.data() + at, kSize);
        } else {
            bytes = Bytes{};
            std::memcpy(&bytes, text.data() + at, text.size() - at);
        }
        return bytes;
    }
    // The first byte from `from` that `match` marks in the block mask it
    // returns, or npos. Whole blocks are read as they are, the last one padded.
    template <typename Match>
    static std::size_t find(std::string_view text, std::size_t from, Match match) {
        std::size_t at = from;
        for (; at + kSize <= text.size(); at += kSize) {
            Bytes bytes;
            std::memcpy(&bytes, text.data() + at, kSize);
            const std::size_t found = first(match(bytes));
            if (found < kSize)
                return at + found;
        }
        if (at >= text.size())
            return std::string_view::npos;
        const std::size_t found = first(match(XmlByteBlock::at(text, at)));
        return found < kSize ? at + found : std::string_view::npos;
    }
    // The bytes equal to `c`, as a mask for first().
    static Bytes equal(Bytes bytes, unsigned char c) { return reinterpret_cast<Bytes>(bytes == c); }
    // The index of the first byte of `mask` that is set, or kSize when none is.
    static std::size_t first(Bytes mask) {
        std::uint64_t words[2];
        static_assert(sizeof words == sizeof mask);
        std::memcpy(words, &mask, sizeof mask);
        if (words[0] != 0)
            return firstByte(words[0]);
        if (words[1] != 0)
            return 8 + firstByte(words[1]);
        return kSize;
    }

private:
    static std::size_t firstByte(std::uint64_t word) {
        const int bit = std::endian::native == std::endian::little ? std::countr_zero(word)
                                                                   : std::countl_zero(word);
        return static_cast<std::size_t>(bit) / 8;
    }
};
