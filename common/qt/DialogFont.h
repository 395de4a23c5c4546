#pragma once

#include <QFont>

namespace zandrel::qt {

/// The font both windows are laid out for: an 8-point sans serif (DejaVu Sans
/// where installed), the free stand-in for the classic 8-point dialog font.
inline QFont DialogFont() {
    QFont font(QStringLiteral("DejaVu Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace zandrel::qt
