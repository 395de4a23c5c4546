#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zandrel::bench {

/// One panel of the workbench, in screen order (left to right, top row first).
struct StepInfo {
    int step;                  ///< 1 ... 8, the place in the sequence of optimisations
    int command;               ///< n of the button Command<n> that runs it
    std::string_view caption;  ///< the button's caption
    int resultIndex;           ///< index of its result box Textbla(index)
};

inline constexpr std::array<StepInfo, 8> kSteps{{
    {1, 4, "Berechnen Zandrel", 3},
    {2, 3, "Berechnen mit Variable", 0},
    {3, 1, "Berechnen mit Break", 1},
    {4, 2, "Berechnen in VB- Funktion", 2},
    {5, 5, "Berechnen mit Wurzelfunktion", 4},
    {6, 6, "Berechnen ohne geraden Zahlen", 5},
    {7, 7, "Berechnen ohne Bildfunktion", 6},
    {8, 8, "Berechnen mit mathematischem Grundsatz", 7},
}};

/// The step that button Command<command> runs (command 1 ... 8).
constexpr const StepInfo& StepOfCommand(int command) {
    for (const StepInfo& s : kSteps) {
        if (s.command == command) return s;
    }
    return kSteps.front();
}

}  // namespace zandrel::bench
