#pragma once

#include <cstdio>
#include <string>

#include "zandrel/ItemList.h"
#include "zandrel/Panel.h"

namespace zandrel::cli {

/// A panel without a window: the bound text is given, items are kept in a
/// compact list (as a list box keeps them), the result text is remembered.
class ConsolePanel final : public Panel {
public:
    explicit ConsolePanel(std::string boundText) : m_boundText(std::move(boundText)) {}

    std::string BoundText() const override { return m_boundText; }
    void AppendItem(std::string_view text) override { m_items.Append(text); }
    void SetListVisible(bool) override {}  // nothing to show
    void SetResultText(std::string_view text) override { m_resultText = text; }

    const ItemList& Items() const { return m_items; }
    const std::string& ResultText() const { return m_resultText; }

    /// Writes every item, one per line, through a large buffer.
    void WriteItems(std::FILE* out) const;

private:
    std::string m_boundText;
    ItemList m_items;
    std::string m_resultText;
};

}  // namespace zandrel::cli
