#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "Form1.h"
#include "Steps.h"

using zandrel::bench::Form1;
using zandrel::bench::kSteps;

namespace {

QStringList Items(const zandrel::qt::ListBox& list) {
    QStringList texts;
    list.Model().Items().ForEach([&](std::string_view t) { texts << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); });
    return texts;
}

// Answers the next modal message box with OK and returns its title and text.
struct MessageBoxCatcher {
    QString title;
    QString text;
    void Arm() {
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
    }
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startsWithEveryBoundAt1000AndEmptyLists() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Algorithmus Optimierung"));
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(form.Text(n).text(), QStringLiteral("1000"));
            QCOMPARE(form.List(n).model()->rowCount(), 0);
            QCOMPARE(form.Textbla(n - 1).text(), QString());
            QCOMPARE(form.Label(n).text(), QStringLiteral("Bis:"));
        }
        QTRY_COMPARE(QApplication::focusWidget(), &form.List(1));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form.minimumSize(), form.maximumSize());
    }

    void geometryAt96Dpi() {
        Form1 form;
        if (form.logicalDpiX() != 96 || form.logicalDpiY() != 96) {
            QSKIP("the platform's logical DPI is not 96");
        }
        QCOMPARE(form.size(), QSize(630, 553));
        QCOMPARE(form.List(4).geometry(), QRect(8, 8, 145, 173));       // panel 1
        QCOMPARE(form.Text(3).geometry(), QRect(192, 192, 113, 19));    // panel 2
        QCOMPARE(form.Command(1).geometry(), QRect(312, 216, 145, 33)); // panel 3
        QCOMPARE(form.Textbla(1).geometry(), QRect(312, 256, 145, 19)); // under Command1
        QCOMPARE(form.Label(8).geometry(), QRect(464, 464, 25, 17));    // panel 8
        QCOMPARE(form.List(5).geometry().topLeft(), QPoint(8, 280));
    }

    void eachButtonFillsOnlyItsOwnPanel_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("items");
        for (const auto& step : kSteps) {
            QTest::addRow("step %d (Command%d)", step.step, step.command) << step.step << (step.step <= 5 ? 169 : 168);
        }
    }
    void eachButtonFillsOnlyItsOwnPanel() {
        QFETCH(int, step);
        QFETCH(int, items);
        const auto& info = kSteps[static_cast<std::size_t>(step - 1)];
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(&form.Command(info.command), Qt::LeftButton);
        QTRY_COMPARE(form.List(info.command).model()->rowCount(), items);
        QVERIFY(form.List(info.command).isVisible());
        QVERIFY(form.Textbla(info.resultIndex).text().startsWith(QStringLiteral("Zeitmessung: ")));
        QVERIFY(form.Textbla(info.resultIndex).text().endsWith(QStringLiteral(" ms")));
        for (const auto& other : kSteps) {
            if (other.step != step) {
                QCOMPARE(form.List(other.command).Model().Items().Size(), std::size_t{0});
                QCOMPARE(form.Textbla(other.resultIndex).text(), QString());
            }
        }
        // A second run appends a second listing.
        const QStringList once = Items(form.List(info.command));
        form.Command(info.command).click();
        QTRY_COMPARE(form.List(info.command).model()->rowCount(), 2 * items);
        QCOMPARE(Items(form.List(info.command)), once + once);
    }

    void aBadBoundShowsAMessageAndKeepsEveryList_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("bound");
        QTest::addColumn<QString>("message");
        QTest::addRow("step 5, abc") << 5 << "abc" << QStringLiteral("Typen unverträglich");
        QTest::addRow("step 1, empty") << 4 << "" << QStringLiteral("Typen unverträglich");
        QTest::addRow("step 2, 2147483648") << 3 << "2147483648" << QStringLiteral("Überlauf");
        QTest::addRow("sieve, 2147483647") << 8 << "2147483647" << QStringLiteral("Überlauf");
        QTest::addRow("sieve, -2") << 8 << "-2" << QStringLiteral("Index außerhalb des gültigen Bereichs");
    }
    void aBadBoundShowsAMessageAndKeepsEveryList() {
        QFETCH(int, command);
        QFETCH(QString, bound);
        QFETCH(QString, message);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Command(command).click();
        form.Command(6).click();
        QCoreApplication::processEvents();
        const QStringList before = Items(form.List(command));
        const QStringList otherBefore = Items(form.List(6));
        QVERIFY(!before.isEmpty());

        form.Text(command).setText(bound);
        MessageBoxCatcher catcher;
        catcher.Arm();
        form.Command(command).click();
        QCOMPARE(catcher.title, QStringLiteral("zandrelbench"));
        QCOMPARE(catcher.text, message);
        QCOMPARE(Items(form.List(command)), before);
        QCOMPARE(Items(form.List(6)), otherBefore);
        QVERIFY(form.List(command).isVisible());
        QCOMPARE(form.Text(command).text(), bound);  // what was typed stays too
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
