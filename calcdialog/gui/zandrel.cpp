// zandrel: the calculation dialog program.
#include <QApplication>
#include <QTimer>

#include "zandrelDlg.h"

/// The application: shows the main dialog modally; the program ends when it closes.
class CZandrelApp {
public:
    bool InitInstance();

    QWidget* m_pMainWnd = nullptr;
};

CZandrelApp theApp;

bool CZandrelApp::InitInstance() {
    CZandrelDlg dlg;
    m_pMainWnd = &dlg;
    dlg.exec();
    m_pMainWnd = nullptr;
    // Nothing more to run: the program ends with the dialog.
    return false;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // For start-up measurements: leave as soon as the dialog is shown.
    if (qEnvironmentVariableIsSet("ZANDREL_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
    }
    theApp.InitInstance();
    return 0;
}
