#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "NumberFormat.h"
#include "xTimer.h"
#include "zandrel/Panel.h"

namespace zandrel::bench {

/// A 16-bit boolean: true is -1, false is 0.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

/// The workbench's eight searches, independent of any window. Each
/// Command<n>_Click runs one variant on the panel of button Command<n>, timed
/// by the one shared stopwatch, and writes its time into its result box.
///
/// A bound that is not a number, or lies outside 32 bits, and the sieve's
/// impossible bounds or failed allocation throw RunError before anything is
/// listed; items already in any list stay, and a hidden list is shown again.
class Workbench {
public:
    /// panelsByCommand[n - 1] is the panel of button Command<n>; none may be null.
    Workbench(const std::array<Panel*, 8>& panelsByCommand, NumberFormat format);

    void Command1_Click();  ///< step 3: Variant divisors, leaves at the first divisor
    void Command2_Click();  ///< step 4: IsPrime over 32-bit integers
    void Command3_Click();  ///< step 2: Variant divisors and a Variant flag
    void Command4_Click();  ///< step 1: the bound text itself as the loop end
    void Command5_Click();  ///< step 5: IsPrimeRoot, square-root bound
    void Command6_Click();  ///< step 6: odd candidates only
    void Command7_Click();  ///< step 7: odd candidates, list hidden while it fills
    void Command8_Click();  ///< step 8: the sieve over 2 ... bound + 1

    /// Runs Command<command>_Click, command 1 ... 8.
    void Click(int command);

    /// True when no d in 2 ... n - 1 divides n.
    static Boolean IsPrime(std::int32_t n);
    /// True when no d in 2 ... round(sqrt(n - 1)) divides n; the end is computed once.
    static Boolean IsPrimeRoot(std::int32_t n);

    /// Writes "Zeitmessung: <RunTime, two decimals> ms" into Textbla(index).
    void ShowRunTime(const std::int16_t& index);

    /// The shared stopwatch, created on first use.
    xTimer& Stoppuhr();

    const NumberFormat& Format() const { return m_format; }

private:
    Panel& PanelOf(int command) const { return *m_panels[static_cast<std::size_t>(command - 1)]; }
    Panel& Textbla(int index) const;
    std::int32_t ReadBound(int command) const;
    void FinishRun(int command);

    std::array<Panel*, 8> m_panels;
    NumberFormat m_format;
    std::unique_ptr<xTimer> m_stoppuhr;
};

}  // namespace zandrel::bench
