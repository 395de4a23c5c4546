#pragma once

#include <QLineEdit>

#include "ListBox.h"
#include "zandrel/Panel.h"

namespace zandrel::qt {

/// A Panel over a window's controls: a bound box, a list box and a result box.
class WidgetPanel final : public Panel {
public:
    WidgetPanel(QLineEdit& bound, ListBox& list, QLineEdit& result)
        : m_bound(bound), m_list(list), m_result(result) {}

    std::string BoundText() const override { return m_bound.text().toStdString(); }
    void AppendItem(std::string_view text) override { m_list.Model().Append(text); }
    void SetListVisible(bool visible) override { m_list.setVisible(visible); }
    void SetResultText(std::string_view text) override {
        m_result.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    QLineEdit& m_bound;
    ListBox& m_list;
    QLineEdit& m_result;
};

}  // namespace zandrel::qt
