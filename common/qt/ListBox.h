#pragma once

#include <QListView>

#include "ItemListModel.h"

namespace zandrel::qt {

/// An unsorted, single-selection list box over its own ItemListModel, with
/// uniform item sizes so millions of items lay out and scroll at once.
class ListBox final : public QListView {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    ItemListModel& Model() { return m_model; }
    const ItemListModel& Model() const { return m_model; }

private:
    ItemListModel m_model;
};

}  // namespace zandrel::qt
