#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "zandrel/ItemList.h"

namespace zandrel {
namespace {

// Texts of every length 0..127, every other one digits only (stored packed,
// odd and even lengths), enough of them to fill several blocks, so group and
// block boundaries fall at many different places.
std::string TextFor(std::size_t i) {
    std::string text(i % 128, static_cast<char>('a' + i % 26));
    if (i % 2 == 0) {
        for (std::size_t k = 0; k < text.size(); ++k) text[k] = static_cast<char>('0' + (i + k) % 10);
    }
    return text;
}

TEST(ItemList, KeepsEveryItemInOrderAcrossBlocks) {
    ItemList list;
    constexpr std::size_t kCount = 40'000;  // about 2 MiB stored
    for (std::size_t i = 0; i < kCount; ++i) {
        list.Append(TextFor(i));
    }
    ASSERT_EQ(list.Size(), kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        ASSERT_EQ(list.At(i), TextFor(i)) << "row " << i;
    }
    std::size_t row = 0;
    list.ForEach([&](std::string_view text) {
        ASSERT_EQ(text, TextFor(row)) << "row " << row;
        ++row;
    });
    EXPECT_EQ(row, kCount);
}

TEST(ItemList, RejectsOverlongTextAndStaysUnchanged) {
    ItemList list;
    list.Append("2");
    EXPECT_THROW(list.Append(std::string(128, 'x')), std::length_error);
    ASSERT_EQ(list.Size(), 1u);
    list.Append("3");
    EXPECT_EQ(list.At(0), "2");
    EXPECT_EQ(list.At(1), "3");
}

TEST(ItemList, PrimeSizedItemsCostFewBytesEach) {
    ItemList list;
    for (int i = 0; i < 1'000'000; ++i) {
        list.Append("12345678");
    }
    // A header byte, 8 digits in 4 bytes, the group index; whole blocks rounded up.
    EXPECT_LT(static_cast<double>(list.MemoryBytes()) / 1e6, 6.0);
    EXPECT_EQ(list.At(999'999), "12345678");
}

}  // namespace
}  // namespace zandrel
