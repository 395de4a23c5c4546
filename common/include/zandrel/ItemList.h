#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

/// Append-only list of short texts (list-box items), stored compactly in
/// 1 MiB blocks: a header byte per item, then its characters, or, for a text
/// of decimal digits only, two digits per byte; plus one index entry per group
/// of 32 items. A prime below 10^8 costs about 5.2 bytes. Blocks are never
/// moved, so appending never copies earlier items.
class ItemList {
public:
    /// Longest text an item may have, in bytes.
    static constexpr std::size_t kMaxItemBytes = 127;

    ItemList() = default;
    ItemList(ItemList&&) noexcept = default;
    ItemList& operator=(ItemList&&) noexcept = default;

    /// Appends text after the last item. Throws std::length_error for texts
    /// longer than kMaxItemBytes and std::bad_alloc when memory runs out; on
    /// either the list is unchanged.
    void Append(std::string_view text);

    /// Number of items.
    std::size_t Size() const { return m_size; }

    /// Item at row (0-based, row < Size()).
    std::string At(std::size_t row) const;

    /// Bytes held for items and index (capacity, not just use).
    std::size_t MemoryBytes() const;

    /// Calls fn(std::string_view) for every item in order; faster than At()
    /// in a loop. The view is valid during the call only.
    template <class Fn>
    void ForEach(Fn&& fn) const {
        char text[kMaxItemBytes];
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            const unsigned char* p = m_blocks[b].get();
            const unsigned char* end = p + (b + 1 == m_blocks.size() ? m_used : m_blockUsed[b]);
            while (p < end) {
                fn(Decode(p, text));
                p = Skip(p);
            }
        }
    }

private:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    static constexpr std::size_t kGroup = 32;
    static constexpr unsigned char kPacked = 0x80;  // header flag: digits, two per byte

    // Bytes an item takes after its header.
    static std::size_t PayloadBytes(unsigned char header) {
        const std::size_t length = header & 0x7F;
        return (header & kPacked) != 0 ? (length + 1) / 2 : length;
    }
    static const unsigned char* Skip(const unsigned char* item) { return item + 1 + PayloadBytes(*item); }
    // The item's text; packed digits are unpacked into buffer.
    static std::string_view Decode(const unsigned char* item, char* buffer) {
        const std::size_t length = *item & 0x7F;
        if ((*item & kPacked) == 0) {
            return {reinterpret_cast<const char*>(item + 1), length};
        }
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned char pair = item[1 + i / 2];
            buffer[i] = static_cast<char>('0' + (i % 2 == 0 ? pair >> 4 : pair & 0x0F));
        }
        return {buffer, length};
    }

    std::vector<std::unique_ptr<unsigned char[]>> m_blocks;
    std::vector<std::uint32_t> m_blockUsed;   // bytes used in each full block
    std::vector<std::uint64_t> m_groupStart;  // block << 20 | offset of every 16th item
    std::size_t m_used = 0;                   // bytes used in the last block
    std::size_t m_size = 0;
};

}  // namespace zandrel
