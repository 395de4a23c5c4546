#include "ConsolePanel.h"

namespace zandrel::cli {

void ConsolePanel::WriteItems(std::FILE* out) const {
    std::string buffer;
    constexpr std::size_t kFlushAt = std::size_t{1} << 20;
    buffer.reserve(kFlushAt + ItemList::kMaxItemBytes + 1);
    m_items.ForEach([&](std::string_view item) {
        buffer.append(item);
        buffer.push_back('\n');
        if (buffer.size() >= kFlushAt) {
            std::fwrite(buffer.data(), 1, buffer.size(), out);
            buffer.clear();
        }
    });
    std::fwrite(buffer.data(), 1, buffer.size(), out);
}

}  // namespace zandrel::cli
