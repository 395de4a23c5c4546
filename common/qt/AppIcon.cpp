#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace zandrel::qt {

namespace {

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    // Classic 16-colour palette: navy ground, yellow primes, grey composites.
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(0, 0, size, size);
    const int cell = size / 4;
    const int gap = size >= 32 ? 2 : 1;
    for (int n = 1; n <= 16; ++n) {
        const bool prime = n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13;
        painter.setBrush(prime ? QColor(255, 255, 0) : QColor(128, 128, 128));
        const int row = (n - 1) / 4;
        const int col = (n - 1) % 4;
        painter.drawRect(col * cell + gap / 2, row * cell + gap / 2, cell - gap, cell - gap);
    }
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    icon.addPixmap(DrawIcon(32));
    icon.addPixmap(DrawIcon(16));
    return icon;
}

}  // namespace zandrel::qt
