#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <memory>

#include "ListBox.h"
#include "WidgetPanel.h"
#include "Workbench.h"
#include "WrapButton.h"

namespace zandrel::bench {

/// The workbench's window, "Algorithmus Optimierung": eight panels in two
/// rows of four, in the order of the steps, each button running its search
/// on its own panel. Controls keep their designer names (Text1 ... Text8,
/// List1 ... List8, Command1 ... Command8, Label1 ... Label8, Textbla(0 ... 7))
/// as object names.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The controls by their designer names; n is 1 ... 8, index 0 ... 7.
    qt::ListBox& List(int n) const { return *m_list.at(Slot(n)); }
    QLineEdit& Text(int n) const { return *m_text.at(Slot(n)); }
    WrapButton& Command(int n) const { return *m_command.at(Slot(n)); }
    QLabel& Label(int n) const { return *m_label.at(Slot(n)); }
    QLineEdit& Textbla(int index) const { return *m_textbla.at(static_cast<std::size_t>(index)); }

    void Command1_Click() { Run(1); }
    void Command2_Click() { Run(2); }
    void Command3_Click() { Run(3); }
    void Command4_Click() { Run(4); }
    void Command5_Click() { Run(5); }
    void Command6_Click() { Run(6); }
    void Command7_Click() { Run(7); }
    void Command8_Click() { Run(8); }

private:
    static std::size_t Slot(int n) { return static_cast<std::size_t>(n - 1); }
    int Pixels(int twips, bool horizontal) const;
    void Place(QWidget& widget, int left, int top, int width, int height);
    void SetTabOrder();
    // Runs the search of Command<command>; a bound it cannot take is shown in
    // a message box, and every list keeps its items.
    void Run(int command);

    std::array<qt::ListBox*, 8> m_list{};
    std::array<QLineEdit*, 8> m_text{};
    std::array<WrapButton*, 8> m_command{};
    std::array<QLabel*, 8> m_label{};
    std::array<QLineEdit*, 8> m_textbla{};
    std::array<std::unique_ptr<qt::WidgetPanel>, 8> m_panels;
    std::unique_ptr<Workbench> m_workbench;
};

}  // namespace zandrel::bench
