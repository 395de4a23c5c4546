// zandrelbench: the algorithm-optimisation workbench.
#include <QApplication>
#include <QTimer>

#include "Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zandrel::bench::Form1 form;
    form.show();
    // For start-up measurements: leave as soon as the window is shown.
    if (qEnvironmentVariableIsSet("ZANDREL_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return QApplication::exec();
}
