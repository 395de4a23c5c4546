// Takes the screenshots in docs/: starts each window, runs a search with
// bound 1000 (every panel of the workbench), and saves what the screen shows.
// Run under Xvfb by scripts/screenshots.sh.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "Form1.h"
#include "zandrelDlg.h"

namespace {

bool Save(QWidget& window, const QString& path) {
    QTest::qWait(200);  // let the window be mapped and painted
    const QRect frame = window.frameGeometry();
    const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const bool ok = shot.save(path);
    std::printf("%s %s (%dx%d)\n", ok ? "saved" : "FAILED", qPrintable(path), shot.width(), shot.height());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    bool ok = true;

    zandrel::bench::Form1 form;
    form.move(0, 0);
    form.show();
    ok = QTest::qWaitForWindowExposed(&form) && ok;
    for (int n = 1; n <= 8; ++n) {
        form.Command(n).click();
    }
    ok = Save(form, dir + QStringLiteral("/zandrelbench.png")) && ok;
    form.close();

    CZandrelDlg dialog;
    dialog.move(0, 0);
    dialog.show();
    ok = QTest::qWaitForWindowExposed(&dialog) && ok;
    dialog.OnCalc();
    ok = Save(dialog, dir + QStringLiteral("/zandrel.png")) && ok;

    CInfoDlg info;
    info.move(0, 0);
    info.show();
    ok = QTest::qWaitForWindowExposed(&info) && ok;
    ok = Save(info, dir + QStringLiteral("/zandrel-info.png")) && ok;
    return ok ? 0 : 1;
}
