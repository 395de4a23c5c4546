#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "resource.h"
#include "zandrelDlg.h"

namespace {

template <class Widget>
Widget& Child(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QLatin1String(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return *widget;
}

}  // namespace

class ZandrelDlgTest : public QObject {
    Q_OBJECT

private slots:
    void startState() {
        CZandrelDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("zandrel"));
        QCOMPARE(Child<QLineEdit>(dlg, "IDC_BOUND").text(), QStringLiteral("1000"));
        QCOMPARE(Child<QLineEdit>(dlg, "IDC_TIME").text(), QString());
        QCOMPARE(dlg.m_list->model()->rowCount(), 0);
        QCOMPARE(Child<QPushButton>(dlg, "IDC_CALC").text(), QStringLiteral("Berechen in C++"));
        QCOMPARE(Child<QPushButton>(dlg, "IDC_CALC").property("controlId").toInt(), IDC_CALC);
        QVERIFY(!Child<QPushButton>(dlg, "IDC_CALC").isDefault());
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

        const QList<QAction*> actions = dlg.SystemMenu().actions();
        QVERIFY(actions.size() >= 2);
        QVERIFY(actions.at(actions.size() - 2)->isSeparator());
        QCOMPARE(actions.last()->text(), QStringLiteral("Inf&o über zandrel..."));
        QCOMPARE(actions.last()->data().toUInt(), IDM_INFOBOX);

        // Right-click on the background and Alt+Space open it.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(3, 3), dlg.mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(&dlg, &rightClick);
        QTRY_VERIFY(dlg.SystemMenu().isVisible());
        dlg.SystemMenu().close();
        QTRY_VERIFY(!dlg.SystemMenu().isVisible());
        QTest::keyClick(&dlg, Qt::Key_Space, Qt::AltModifier);
        QTRY_VERIFY(dlg.SystemMenu().isVisible());
        dlg.SystemMenu().close();
    }

    void buttonAndEnterRunTheSearchAndAppend() {
        CZandrelDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto& bound = Child<QLineEdit>(dlg, "IDC_BOUND");
        auto& button = Child<QPushButton>(dlg, "IDC_CALC");
        auto& time = Child<QLineEdit>(dlg, "IDC_TIME");
        QSignalSpy finished(&dlg, &QDialog::finished);

        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_COMPARE(dlg.m_list->model()->rowCount(), 168);
        QVERIFY(QRegularExpression(QStringLiteral("^Zeitmessung: [0-9]+ ms$")).match(time.text()).hasMatch());

        // Enter in the bound box runs the search and keeps the dialog open.
        bound.setText(QStringLiteral("10"));
        bound.setFocus();
        QTest::keyClick(&bound, Qt::Key_Return);
        QTRY_COMPARE(dlg.m_list->model()->rowCount(), 172);
        QVERIFY(dlg.isVisible());
        QCOMPARE(finished.count(), 0);

        // Enter on the focused button presses it.
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Return);
        QTRY_COMPARE(dlg.m_list->model()->rowCount(), 176);
        const QAbstractItemModel& model = *dlg.m_list->model();
        QStringList tail;
        for (int row = 168; row < 176; ++row) tail << model.data(model.index(row, 0)).toString();
        QCOMPARE(tail, QStringList({"1", "3", "5", "7", "1", "3", "5", "7"}));
        QCOMPARE(finished.count(), 0);
    }

    void escapeEndsTheDialog() {
        CZandrelDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QSignalSpy finished(&dlg, &QDialog::finished);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!dlg.isVisible());
    }

    void menuEntryOpensTheInformationBoxAndOkReturns() {
        CZandrelDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.OnCalc();
        QCoreApplication::processEvents();
        QCOMPARE(dlg.m_list->model()->rowCount(), 168);

        QString title;
        QStringList texts;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* info = qobject_cast<CInfoDlg*>(QApplication::activeModalWidget());
            if (info == nullptr) return;
            title = info->windowTitle();
            modal = info->isModal();
            for (QLabel* label : info->findChildren<QLabel*>()) texts << label->text();
            QTest::mouseClick(&Child<QPushButton>(*info, "IDOK"), Qt::LeftButton);
        });
        dlg.SystemMenu().actions().last()->trigger();  // returns when the box is closed

        QCOMPARE(title, QStringLiteral("Info über zandrel"));
        QVERIFY(modal);
        QVERIFY(texts.contains(QStringLiteral("zandrel Version 1.0")));
        QCOMPARE(dlg.m_list->model()->rowCount(), 168);
        QVERIFY(dlg.isVisible());
    }

    void badBoundsListNothingButShowATime_data() {
        QTest::addColumn<QString>("bound");
        QTest::addColumn<int>("items");
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("blanks") << "   " << 0;
        QTest::addRow("abc") << "abc" << 0;
        QTest::addRow("-7") << "-7" << 0;
        QTest::addRow("12ab") << "12ab" << 5;  // 1 3 5 7 11
        QTest::addRow("-0") << "-0" << 0;
        QTest::addRow("+5") << "+5" << 3;
        QTest::addRow("1e3") << "1e3" << 1;
        QTest::addRow("12,5") << "12,5" << 5;
        QTest::addRow("12.5") << "12.5" << 5;
        QTest::addRow("-2147483648") << "-2147483648" << 0;
        QTest::addRow("-2") << "-2" << 0;
        QTest::addRow("-1") << "-1" << 0;
        QTest::addRow("0") << "0" << 0;
        QTest::addRow("1") << "1" << 1;
        QTest::addRow("2") << "2" << 1;
        QTest::addRow("3") << "3" << 2;
        QTest::addRow("arabic-indic") << QStringLiteral("\u0661\u0662") << 0;
        QTest::addRow("1 MB of letters") << QString(1 << 20, QLatin1Char('x')) << 0;
    }
    void badBoundsListNothingButShowATime() {
        QFETCH(QString, bound);
        QFETCH(int, items);
        CZandrelDlg dlg;
        Child<QLineEdit>(dlg, "IDC_BOUND").setText(bound);
        dlg.OnCalc();
        QCoreApplication::processEvents();
        QCOMPARE(dlg.m_list->model()->rowCount(), items);
        QVERIFY(Child<QLineEdit>(dlg, "IDC_TIME").text().startsWith(QStringLiteral("Zeitmessung: ")));
    }
};

QTEST_MAIN(ZandrelDlgTest)
#include "ZandrelDlgTest.moc"
