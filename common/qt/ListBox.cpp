#include "ListBox.h"

namespace zandrel::qt {

ListBox::ListBox(QWidget* parent) : QListView(parent) {
    setModel(&m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace zandrel::qt
