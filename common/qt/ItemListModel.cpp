#include "ItemListModel.h"

#include <QMetaObject>
#include <climits>
#include <new>

namespace zandrel::qt {

ItemListModel::ItemListModel(QObject* parent) : QAbstractListModel(parent) {}

void ItemListModel::Append(std::string_view text) {
    if (m_items.Size() >= static_cast<std::size_t>(INT_MAX)) {
        throw std::bad_alloc();  // a view counts rows in an int
    }
    m_items.Append(text);
    if (!m_publishQueued) {
        m_publishQueued = true;
        QMetaObject::invokeMethod(this, &ItemListModel::Publish, Qt::QueuedConnection);
    }
}

void ItemListModel::Publish() {
    m_publishQueued = false;
    const auto size = static_cast<int>(m_items.Size());
    if (size > m_published) {
        beginInsertRows(QModelIndex(), m_published, size - 1);
        m_published = size;
        endInsertRows();
    }
}

int ItemListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_published; }

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.parent().isValid() || index.column() != 0 ||
        index.row() < 0 || index.row() >= m_published) {
        return {};
    }
    const std::string text = m_items.At(static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zandrel::qt
