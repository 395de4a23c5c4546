#pragma once

#include <string>
#include <string_view>

namespace zandrel {

/// The controls one search works on: a bound box, a list box, a result box.
/// Search code sees a panel only through these four operations, so the same
/// code runs against a window, the command-line runner and a test fixture.
class Panel {
public:
    virtual ~Panel() = default;

    /// The text of the bound box as typed (UTF-8), read at the moment of the call.
    virtual std::string BoundText() const = 0;
    /// Appends one item after all items already in the list. Never sorts, never clears.
    virtual void AppendItem(std::string_view text) = 0;
    /// Hides or shows the list box; its items are kept either way.
    virtual void SetListVisible(bool visible) = 0;
    /// Replaces the text of the result box.
    virtual void SetResultText(std::string_view text) = 0;
};

}  // namespace zandrel
