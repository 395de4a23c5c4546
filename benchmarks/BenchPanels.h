#pragma once

#include <string>

#include "zandrel/ItemList.h"
#include "zandrel/Panel.h"

namespace zandrel::benchmarks {

/// Counts the items and keeps nothing: the search's own cost.
class DiscardPanel final : public Panel {
public:
    explicit DiscardPanel(std::string bound) : m_bound(std::move(bound)) {}
    std::string BoundText() const override { return m_bound; }
    void AppendItem(std::string_view) override { ++count; }
    void SetListVisible(bool) override {}
    void SetResultText(std::string_view) override {}
    std::size_t count = 0;

private:
    std::string m_bound;
};

/// Keeps every item in a compact list, as a list box does.
class KeepPanel final : public Panel {
public:
    explicit KeepPanel(std::string bound) : m_bound(std::move(bound)) {}
    std::string BoundText() const override { return m_bound; }
    void AppendItem(std::string_view text) override { items.Append(text); }
    void SetListVisible(bool) override {}
    void SetResultText(std::string_view) override {}
    ItemList items;

private:
    std::string m_bound;
};

}  // namespace zandrel::benchmarks
