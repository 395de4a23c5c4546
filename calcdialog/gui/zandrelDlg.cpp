#include "zandrelDlg.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QShortcut>
#include <new>

#include "AppIcon.h"
#include "CalcRun.h"
#include "DialogFont.h"
#include "resource.h"
#include "zandrel/Platform.h"

namespace {

// Gives a control its resource identity: the name of its identifier and its id.
template <class Widget>
Widget* Control(Widget* widget, const char* name, int id) {
    widget->setObjectName(QLatin1String(name));
    widget->setProperty("controlId", id);
    return widget;
}

constexpr Qt::WindowFlags kDialogFrame =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (alphabet / 26 + 1) / 2;
    m_baseY = metrics.height();
}

CInfoDlg::CInfoDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | kDialogFrame) {
    setObjectName(QStringLiteral("IDD_INFO"));
    setWindowTitle(QStringLiteral("Info über zandrel"));
    setFont(zandrel::qt::DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.X(235), du.Y(55));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
    icon->setGeometry(du.Rect(11, 17, 20, 20));
    icon->setPixmap(zandrel::qt::AppIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* version = new QLabel(QStringLiteral("zandrel Version 1.0"), this);
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(du.Rect(40, 10, 119, 8));

    auto* notice = new QLabel(QStringLiteral("© 2026 Das zandrel-Team"), this);
    notice->setTextFormat(Qt::PlainText);
    notice->setGeometry(du.Rect(40, 25, 119, 8));

    auto* ok = Control(new QPushButton(QStringLiteral("OK"), this), "IDOK", 1);
    ok->setGeometry(du.Rect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

CZandrelDlg::CZandrelDlg(QWidget* parent)
    : QDialog(parent, Qt::Window | kDialogFrame), m_hIcon(zandrel::qt::AppIcon()) {
    setObjectName(QStringLiteral("IDD_MAIN"));
    setWindowTitle(QStringLiteral("zandrel"));
    setFont(zandrel::qt::DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.X(120), du.Y(186));

    // In template order, which is also the tab order.
    m_list = Control(new zandrel::qt::ListBox(this), "IDC_PRIMES", IDC_PRIMES);
    m_list->setGeometry(du.Rect(15, 7, 89, 105));

    m_calc = Control(new QPushButton(QStringLiteral("Berechen in C++"), this), "IDC_CALC", IDC_CALC);
    m_calc->setGeometry(du.Rect(13, 135, 90, 18));
    // Not a default button, not even while focused: Enter elsewhere must not
    // press it. keyPressEvent gives the focused button its Enter.
    m_calc->setAutoDefault(false);
    m_calc->setDefault(false);

    auto* label = new QLabel(QStringLiteral("Bis:"), this);
    label->setGeometry(du.Rect(14, 119, 16, 12));

    m_bound = Control(new QLineEdit(this), "IDC_BOUND", IDC_BOUND);
    m_bound->setGeometry(du.Rect(34, 118, 69, 13));

    m_time = Control(new QLineEdit(this), "IDC_TIME", IDC_TIME);
    m_time->setGeometry(du.Rect(13, 157, 90, 14));

    setTabOrder(m_list, m_calc);
    setTabOrder(m_calc, m_bound);
    setTabOrder(m_bound, m_time);

    m_panel = std::make_unique<zandrel::qt::WidgetPanel>(*m_bound, *m_list, *m_time);
    connect(m_calc, &QPushButton::clicked, this, &CZandrelDlg::OnCalc);
    // Enter in the bound box runs the search instead of ending the program
    // and losing the list.
    connect(m_bound, &QLineEdit::returnPressed, this, &CZandrelDlg::OnCalc);

    OnInitDialog();
}

CZandrelDlg::~CZandrelDlg() = default;

bool CZandrelDlg::OnInitDialog() {
    m_bound->setText(QStringLiteral("1000"));

    m_sysMenu = new QMenu(this);
    m_sysMenu->setObjectName(QStringLiteral("SystemMenu"));
    QAction* close = m_sysMenu->addAction(QStringLiteral("&Schließen"));
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(close, &QAction::triggered, this, [this] { OnSysCommand(SC_CLOSE); });
    const QString about = QStringLiteral("Inf&o über zandrel...");  // string IDS_INFOBOX
    if (!about.isEmpty()) {
        m_sysMenu->addSeparator();
        QAction* info = m_sysMenu->addAction(about);
        info->setData(IDM_INFOBOX);
        connect(info, &QAction::triggered, this, [this] { OnSysCommand(IDM_INFOBOX); });
    }
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this, [this] { m_sysMenu->popup(mapToGlobal(QPoint(0, 0))); });

    setWindowIcon(m_hIcon);
    return true;
}

void CZandrelDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == m_calc) {
            m_calc->click();
        }
        event->accept();  // never ends the dialog
        return;
    }
    QDialog::keyPressEvent(event);
}

void CZandrelDlg::contextMenuEvent(QContextMenuEvent* event) {
    m_sysMenu->popup(event->globalPos());
    event->accept();
}

void CZandrelDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0u) == IDM_INFOBOX) {
        CInfoDlg about(this);
        about.exec();
    } else if (id == SC_CLOSE) {
        reject();
    }
}

void CZandrelDlg::OnCalc() {
    try {
        zandrel::dialog::CalcRun(*m_panel, zandrel::TickCount);
    } catch (const std::bad_alloc&) {
        // The list could not take another item: say so rather than drop items
        // silently; what is listed stays.
        QMessageBox::critical(this, QStringLiteral("zandrel"), QStringLiteral("Nicht genügend Speicher"));
    }
}
