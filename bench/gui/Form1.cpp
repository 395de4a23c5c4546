#include "Form1.h"

#include <QLocale>
#include <QMessageBox>
#include <new>

#include "AppIcon.h"
#include "DialogFont.h"
#include "RunError.h"
#include "Steps.h"

namespace zandrel::bench {

namespace {

// The layout in twips (1/1440 inch): client area, the left edge of each
// column, the vertical shift of the bottom row, and each control's place
// relative to its panel.
constexpr int kClientWidth = 9450;
constexpr int kClientHeight = 8295;
constexpr int kColumnLeft[4] = {120, 2400, 4680, 6960};
constexpr int kBottomRowShift = 4080;
struct Box {
    int dx, top, width, height;
};
constexpr Box kListBox{0, 120, 2175, 2595};
constexpr Box kLabelBox{0, 2880, 375, 255};
constexpr Box kTextBox{480, 2880, 1695, 285};
constexpr Box kCommandBox{0, 3240, 2175, 495};
constexpr Box kResultBox{0, 3840, 2175, 285};

// Focus order of the form's controls; labels are listed but take no focus.
constexpr const char* kTabOrder[] = {
    "List1",    "Command1", "Label1",   "Text1",  "Text2",      "Command2",   "List2",      "Label2",
    "Text3",    "Command3", "List3",    "Label3", "Textbla(0)", "Textbla(1)", "Textbla(2)", "Textbla(3)",
    "List4",    "Command4", "Text4",    "Label4", "Textbla(4)", "List5",      "Command5",   "Text5",
    "Label5",   "Text6",    "Command6", "List6",  "Textbla(5)", "Label6",     "Textbla(6)", "Text7",
    "Command7", "List7",    "Label7",   "List8",  "Command8",   "Text8",      "Textbla(7)", "Label8",
};

QString Name(const char* stem, int n) { return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(n); }

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Algorithmus Optimierung"));
    setWindowIcon(qt::AppIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(qt::DialogFont());
    setFixedSize(Pixels(kClientWidth, true), Pixels(kClientHeight, false));

    std::array<Panel*, 8> panels{};
    for (const StepInfo& step : kSteps) {
        const int n = step.command;
        const std::size_t slot = Slot(n);
        const int place = step.step - 1;  // screen order
        const int left = kColumnLeft[place % 4];
        const int shift = place < 4 ? 0 : kBottomRowShift;

        auto* list = new qt::ListBox(this);
        list->setObjectName(Name("List", n));
        Place(*list, left + kListBox.dx, shift + kListBox.top, kListBox.width, kListBox.height);

        auto* label = new QLabel(QStringLiteral("Bis:"), this);
        label->setObjectName(Name("Label", n));
        Place(*label, left + kLabelBox.dx, shift + kLabelBox.top, kLabelBox.width, kLabelBox.height);

        auto* text = new QLineEdit(QStringLiteral("1000"), this);
        text->setObjectName(Name("Text", n));
        Place(*text, left + kTextBox.dx, shift + kTextBox.top, kTextBox.width, kTextBox.height);

        auto* command = new WrapButton(
            QString::fromUtf8(step.caption.data(), static_cast<qsizetype>(step.caption.size())), this);
        command->setObjectName(Name("Command", n));
        command->setAutoDefault(false);
        Place(*command, left + kCommandBox.dx, shift + kCommandBox.top, kCommandBox.width,
              kCommandBox.height);

        auto* result = new QLineEdit(this);
        result->setObjectName(QStringLiteral("Textbla(%1)").arg(step.resultIndex));
        Place(*result, left + kResultBox.dx, shift + kResultBox.top, kResultBox.width, kResultBox.height);

        m_list[slot] = list;
        m_label[slot] = label;
        m_text[slot] = text;
        m_command[slot] = command;
        m_textbla[static_cast<std::size_t>(step.resultIndex)] = result;
        m_panels[slot] = std::make_unique<qt::WidgetPanel>(*text, *list, *result);
        panels[slot] = m_panels[slot].get();
    }

    connect(m_command[0], &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command[1], &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_command[2], &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command[3], &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command[4], &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command[5], &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_command[6], &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(m_command[7], &QPushButton::clicked, this, &Form1::Command8_Click);

    const QString point = QLocale::system().decimalPoint();
    m_workbench = std::make_unique<Workbench>(panels, NumberFormat{point.toStdString()});

    SetTabOrder();
    m_list[0]->setFocus();
}

Form1::~Form1() = default;

int Form1::Pixels(int twips, bool horizontal) const {
    const int dpi = horizontal ? logicalDpiX() : logicalDpiY();
    return (twips * dpi + 720) / 1440;
}

void Form1::Place(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(Pixels(left, true), Pixels(top, false), Pixels(width, true), Pixels(height, false));
}

void Form1::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* widget = findChild<QWidget*>(QLatin1String(name));
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void Form1::Run(int command) {
    QString error;
    try {
        m_workbench->Click(command);
        return;
    } catch (const RunError& e) {
        error = QString::fromUtf8(GermanText(e.Code()).data());
    } catch (const std::bad_alloc&) {
        error = QString::fromUtf8(GermanText(RunErrorCode::OutOfMemory).data());
    }
    QMessageBox::critical(this, QStringLiteral("zandrelbench"), error);
}

}  // namespace zandrel::bench
