#pragma once

#include <QAbstractListModel>
#include <string_view>

#include "zandrel/ItemList.h"

namespace zandrel::qt {

/// The model behind every list box: an append-only list of item texts kept
/// compactly in an ItemList. Appending only stores the text; views learn of
/// new rows in one batch when control returns to the event loop (or on
/// Publish()), so a search that lists millions of numbers pays about the cost
/// of the store per item, not a view update.
class ItemListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ItemListModel(QObject* parent = nullptr);

    /// Appends an item after all others. Throws std::bad_alloc when memory
    /// runs out; the items already there stay.
    void Append(std::string_view text);

    /// Announces every stored item to the views now.
    void Publish();

    /// All stored items, published or not.
    const ItemList& Items() const { return m_items; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ItemList m_items;
    int m_published = 0;
    bool m_publishQueued = false;
};

}  // namespace zandrel::qt
