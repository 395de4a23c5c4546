#include "WrapButton.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zandrel::bench {

namespace {
constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The widest caption needs three lines in its button: step the font down
    // in half points until the wrapped caption fits, never below 6 points.
    const QRect area = rect().adjusted(4, 2, -4, -2);
    QFont captionFont = font();
    for (qreal size = captionFont.pointSizeF(); size >= 6.0; size -= 0.5) {
        captionFont.setPointSizeF(size);
        const QRect needed = QFontMetrics(captionFont).boundingRect(area, kFlags, caption);
        if (needed.width() <= area.width() && needed.height() <= area.height()) {
            break;
        }
    }
    painter.setFont(captionFont);
    painter.drawItemText(area, kFlags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace zandrel::bench
