#include "Workbench.h"

#include <cmath>
#include <new>

#include "RunError.h"
#include "Steps.h"

namespace zandrel::bench {

namespace {

// The literals of the loops, made once as 16-bit integers.
const Variant kZero{std::int16_t{0}};
const Variant kOne{std::int16_t{1}};
const Variant kTwo{std::int16_t{2}};

// Hides a list for the life of a run and shows it again, also when the run
// stops with an error, so a failed run never leaves a list hidden.
class HiddenList {
public:
    explicit HiddenList(Panel& panel) : m_panel(panel) { m_panel.SetListVisible(false); }
    HiddenList(const HiddenList&) = delete;
    HiddenList& operator=(const HiddenList&) = delete;
    ~HiddenList() {
        if (m_hidden) {
            try {
                m_panel.SetListVisible(true);
            } catch (...) {  // nothing sensible to do while unwinding
            }
        }
    }
    void Show() {
        m_panel.SetListVisible(true);
        m_hidden = false;
    }

private:
    Panel& m_panel;
    bool m_hidden = true;
};

// A multiple held as a real, converted for an array access. k is always a
// whole number, so the plain conversion is exact and needs no rounding call.
std::size_t Index(double k) { return static_cast<std::size_t>(k); }

}  // namespace

Workbench::Workbench(const std::array<Panel*, 8>& panelsByCommand, NumberFormat format)
    : m_panels(panelsByCommand), m_format(std::move(format)) {}

xTimer& Workbench::Stoppuhr() {
    if (!m_stoppuhr) {
        m_stoppuhr = std::make_unique<xTimer>();
    }
    return *m_stoppuhr;
}

Panel& Workbench::Textbla(int index) const {
    for (const StepInfo& s : kSteps) {
        if (s.resultIndex == index) {
            return PanelOf(s.command);
        }
    }
    throw RunError(RunErrorCode::SubscriptOutOfRange);
}

std::int32_t Workbench::ReadBound(int command) const {
    return ParseNumber(PanelOf(command).BoundText(), m_format);
}

void Workbench::FinishRun(int command) {
    Stoppuhr().Halt();
    const auto index = static_cast<std::int16_t>(StepOfCommand(command).resultIndex);
    ShowRunTime(index);
}

void Workbench::ShowRunTime(const std::int16_t& index) {
    const double ms = Stoppuhr().RunTime().ToDouble();
    Textbla(index).SetResultText("Zeitmessung: " + FormatMilliseconds(ms, m_format) + " ms");
}

Boolean Workbench::IsPrime(std::int32_t n) {
    const std::int64_t end = std::int64_t{n} - 1;
    for (std::int32_t d = 2; d <= end; ++d) {
        if (n % d == 0) {
            return False;
        }
    }
    return True;
}

Boolean Workbench::IsPrimeRoot(std::int32_t n) {
    const double root = std::nearbyint(std::sqrt(static_cast<double>(n) - 1.0));
    if (!(root >= 2.0)) {  // also the NaN of n < 1
        return True;
    }
    const auto end = static_cast<std::int32_t>(root);
    for (std::int32_t d = 2; d <= end; ++d) {
        if (n % d == 0) {
            return False;
        }
    }
    return True;
}

// Step 1: the bound text itself is the loop end; a 32-bit flag.
void Workbench::Command4_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant bound(PanelOf(4).BoundText());
    Panel& panel = PanelOf(4);
    Variant i;
    Variant j;
    std::int32_t flag = 0;
    ForNext(i, kOne, bound, m_format, [&] {
        flag = 0;
        ForNext(j, kTwo, i - kOne, m_format, [&] {
            if (Mod(i, j) == kZero) {
                flag = 1;
            }
            return true;
        });
        if (flag == 0) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    FinishRun(4);
}

// Step 2: a 32-bit bound; the flag is a Variant.
void Workbench::Command3_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant n(ReadBound(3));
    Panel& panel = PanelOf(3);
    Variant i;
    Variant j;
    Variant flag;
    ForNext(i, kOne, n, m_format, [&] {
        flag = kZero;
        ForNext(j, kTwo, i - kOne, m_format, [&] {
            if (Mod(i, j) == kZero) {
                flag = kOne;
            }
            return true;
        });
        if (flag == kZero) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    FinishRun(3);
}

// Step 3: leaves the divisor loop at the first divisor; a boolean flag.
void Workbench::Command1_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant n(ReadBound(1));
    Panel& panel = PanelOf(1);
    Variant i;
    Variant j;
    Boolean flag = True;
    ForNext(i, kOne, n, m_format, [&] {
        flag = True;
        ForNext(j, kTwo, i - kOne, m_format, [&] {
            if (Mod(i, j) == kZero) {
                flag = False;
                return false;
            }
            return true;
        });
        if (flag == True) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    FinishRun(1);
}

// Step 4: the test in a function over 32-bit integers.
void Workbench::Command2_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant n(ReadBound(2));
    Panel& panel = PanelOf(2);
    Variant i;
    ForNext(i, kOne, n, m_format, [&] {
        if (IsPrime(i.ToInt32()) == True) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    FinishRun(2);
}

// Step 5: divisors only up to the square root.
void Workbench::Command5_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant n(ReadBound(5));
    Panel& panel = PanelOf(5);
    Variant i;
    ForNext(i, kOne, n, m_format, [&] {
        if (IsPrimeRoot(i.ToInt32())) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    FinishRun(5);
}

// Step 6: odd candidates only.
void Workbench::Command6_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant n(ReadBound(6));
    Panel& panel = PanelOf(6);
    Variant i;
    ForNext(i, kOne, n, kTwo, m_format, [&] {
        if (IsPrimeRoot(i.ToInt32())) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    FinishRun(6);
}

// Step 7: as step 6, with the list hidden while it fills.
void Workbench::Command7_Click() {
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    const Variant n(ReadBound(7));
    Panel& panel = PanelOf(7);
    HiddenList hidden(panel);
    Variant i;
    ForNext(i, kOne, n, kTwo, m_format, [&] {
        if (IsPrimeRoot(i.ToInt32()) == True) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    hidden.Show();
    FinishRun(7);
}

// Step 8: a sieve over 2 ... N + 1, two bytes per number.
void Workbench::Command8_Click() {
    const std::int32_t n = ReadBound(8);  // outside the timed interval
    Stoppuhr().Calibrieren();
    Stoppuhr().Start();
    Panel& panel = PanelOf(8);
    HiddenList hidden(panel);

    if (n == INT32_MAX) {
        throw RunError(RunErrorCode::Overflow);  // N + 1
    }
    const std::int32_t top = n + 1;
    if (top < 0) {
        throw RunError(RunErrorCode::SubscriptOutOfRange);
    }
    std::unique_ptr<Boolean[]> sieve;
    try {
        sieve.reset(new Boolean[static_cast<std::size_t>(top) + 1]);
    } catch (const std::bad_alloc&) {
        throw RunError(RunErrorCode::OutOfMemory);
    }
    const Variant last(top);

    Variant i;
    ForNext(i, kZero, last, m_format, [&] {
        sieve[static_cast<std::size_t>(i.ToInt32())] = True;
        return true;
    });

    Variant j = kTwo;
    // j runs up to (N + 1) / 2 inclusive: with a strict bound, N = 3 would keep 4.
    while (!(Variant(static_cast<double>(top) / 2.0) < j)) {
        double k = (j + j).ToDouble();
        if (sieve[static_cast<std::size_t>(j.ToInt32())] == True) {
            ForNext(i, kTwo, last, m_format, [&] {
                sieve[Index(k)] = False;
                k = k + j.ToDouble();  // a real plus the Variant j, read by its kind
                return !(k > top);
            });
        }
        j = j + kOne;
    }

    ForNext(i, kTwo, last, m_format, [&] {
        if (sieve[static_cast<std::size_t>(i.ToInt32())] == True) {
            panel.AppendItem(i.ToText(m_format));
        }
        return true;
    });
    hidden.Show();
    FinishRun(8);
}

void Workbench::Click(int command) {
    switch (command) {
        case 1: Command1_Click(); break;
        case 2: Command2_Click(); break;
        case 3: Command3_Click(); break;
        case 4: Command4_Click(); break;
        case 5: Command5_Click(); break;
        case 6: Command6_Click(); break;
        case 7: Command7_Click(); break;
        case 8: Command8_Click(); break;
        default: throw RunError(RunErrorCode::SubscriptOutOfRange);
    }
}

}  // namespace zandrel::bench
