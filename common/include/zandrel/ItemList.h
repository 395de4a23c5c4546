#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace zandrel {

/// Append-only list of short texts (list-box items), stored compactly: one
/// length byte and the characters per item in 1 MiB blocks, plus one index
/// entry per group of 16 items. A prime below 10^8 costs about 9.5 bytes.
/// Blocks are never moved, so appending never copies earlier items.
class ItemList {
public:
    /// Longest text an item may have, in bytes.
    static constexpr std::size_t kMaxItemBytes = 255;

    ItemList() = default;
    ItemList(ItemList&&) noexcept = default;
    ItemList& operator=(ItemList&&) noexcept = default;

    /// Appends text after the last item. Throws std::length_error for texts
    /// longer than kMaxItemBytes and std::bad_alloc when memory runs out; on
    /// either the list is unchanged.
    void Append(std::string_view text);

    /// Number of items.
    std::size_t Size() const { return m_size; }

    /// Item at row (0-based, row < Size()); valid until the list is destroyed.
    std::string_view At(std::size_t row) const;

    /// Bytes held for items and index (capacity, not just use).
    std::size_t MemoryBytes() const;

    /// Calls fn(text) for every item in order; faster than At() in a loop.
    template <class Fn>
    void ForEach(Fn&& fn) const {
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            const char* p = m_blocks[b].get();
            const char* end = p + (b + 1 == m_blocks.size() ? m_used : m_blockUsed[b]);
            while (p < end) {
                const auto len = static_cast<unsigned char>(*p);
                fn(std::string_view(p + 1, len));
                p += 1 + len;
            }
        }
    }

private:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    static constexpr std::size_t kGroup = 16;

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<std::uint32_t> m_blockUsed;   // bytes used in each full block
    std::vector<std::uint64_t> m_groupStart;  // block << 20 | offset of every 16th item
    std::size_t m_used = 0;                   // bytes used in the last block
    std::size_t m_size = 0;
};

}  // namespace zandrel
