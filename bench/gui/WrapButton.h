#pragma once

#include <QPushButton>

namespace zandrel::bench {

/// A push button whose caption wraps onto several lines, as the workbench's
/// long captions need in their narrow buttons.
class WrapButton final : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zandrel::bench
