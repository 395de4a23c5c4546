#pragma once

#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <memory>

#include "ListBox.h"
#include "WidgetPanel.h"

/// Converts dialog units of the dialog's font to pixels: a horizontal unit is
/// a quarter of the font's average character width, a vertical one an eighth
/// of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const { return (units * m_baseX + 2) / 4; }
    int Y(int units) const { return (units * m_baseY + 4) / 8; }
    QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }

private:
    int m_baseX;
    int m_baseY;
};

/// The information box "Info über zandrel": icon, version, notice and OK.
class CInfoDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};

/// The calculation dialog "zandrel": a list box, the button "Berechen in C++",
/// the bound box (preset "1000") and the result box. Its menu (right-click on
/// the dialog's background, or Alt+Space) ends with "Inf&o über zandrel...".
class CZandrelDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CZandrelDlg(QWidget* parent = nullptr);
    ~CZandrelDlg() override;

    /// Runs the search on the dialog's panel (button, or Enter in the bound box).
    void OnCalc();
    /// Handles a command of the dialog's menu: IDM_INFOBOX opens the
    /// information box, SC_CLOSE ends the dialog.
    void OnSysCommand(unsigned id);
    /// The dialog's menu in place of the title bar's, which Linux window
    /// managers keep to themselves.
    QMenu& SystemMenu() { return *m_sysMenu; }

    zandrel::qt::ListBox* m_list = nullptr;
    QIcon m_hIcon;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool OnInitDialog();

    QPushButton* m_calc = nullptr;
    QLineEdit* m_bound = nullptr;
    QLineEdit* m_time = nullptr;
    QMenu* m_sysMenu = nullptr;
    std::unique_ptr<zandrel::qt::WidgetPanel> m_panel;
};
