#pragma once

#include <QIcon>

namespace zandrel::qt {

/// The programs' icon: a 4 x 4 number grid with the primes 2, 3, 5, 7, 11 and
/// 13 lit, drawn at 32 x 32 and 16 x 16 pixels in a 16-colour palette.
QIcon AppIcon();

}  // namespace zandrel::qt
