#include "zandrel/ItemList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace zandrel {

namespace {
// Grows capacity geometrically ahead of a push_back, so the push cannot throw.
template <class Vector>
void ReserveOneMore(Vector& v) {
    if (v.size() == v.capacity()) {
        v.reserve(2 * v.capacity() + 1);
    }
}
}  // namespace

void ItemList::Append(std::string_view text) {
    if (text.size() > kMaxItemBytes) {
        throw std::length_error("ItemList: item longer than 127 bytes");
    }
    const bool groupStarts = m_size % kGroup == 0;
    // A group never straddles two blocks, so a lookup scans within one block.
    const bool needBlock =
        m_blocks.empty() || (groupStarts && kBlockBytes - m_used < kGroup * (kMaxItemBytes + 1));
    // Everything that can throw comes first, so a failure leaves the list unchanged.
    std::unique_ptr<unsigned char[]> block;
    if (needBlock) {
        ReserveOneMore(m_blocks);
        ReserveOneMore(m_blockUsed);
        block = std::make_unique_for_overwrite<unsigned char[]>(kBlockBytes);
    }
    if (groupStarts) {
        ReserveOneMore(m_groupStart);
    }
    if (needBlock) {
        if (!m_blocks.empty()) {
            m_blockUsed.push_back(static_cast<std::uint32_t>(m_used));
        }
        m_blocks.push_back(std::move(block));
        m_used = 0;
    }
    if (groupStarts) {
        m_groupStart.push_back((static_cast<std::uint64_t>(m_blocks.size() - 1) << 20) | m_used);
    }
    unsigned char* p = m_blocks.back().get() + m_used;
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digitsOnly) {
        p[0] = static_cast<unsigned char>(kPacked | text.size());
        for (std::size_t i = 0; i < text.size(); i += 2) {
            const auto high = static_cast<unsigned>(text[i] - '0');
            const auto low = i + 1 < text.size() ? static_cast<unsigned>(text[i + 1] - '0') : 0u;
            p[1 + i / 2] = static_cast<unsigned char>(high << 4 | low);
        }
    } else {
        p[0] = static_cast<unsigned char>(text.size());
        std::memcpy(p + 1, text.data(), text.size());
    }
    m_used += 1 + PayloadBytes(p[0]);
    ++m_size;
}

std::string ItemList::At(std::size_t row) const {
    const std::uint64_t start = m_groupStart[row / kGroup];
    const unsigned char* p = m_blocks[start >> 20].get() + (start & (kBlockBytes - 1));
    for (std::size_t skip = row % kGroup; skip > 0; --skip) {
        p = Skip(p);
    }
    char buffer[kMaxItemBytes];
    return std::string(Decode(p, buffer));
}

std::size_t ItemList::MemoryBytes() const {
    return m_blocks.size() * kBlockBytes + m_blocks.capacity() * sizeof(m_blocks[0]) +
           m_blockUsed.capacity() * sizeof(std::uint32_t) + m_groupStart.capacity() * sizeof(std::uint64_t);
}

}  // namespace zandrel
