#pragma once

#include <string>
#include <vector>

#include "zandrel/Panel.h"

namespace zandrel::test {

/// A panel that keeps everything a search does to it, for assertions.
class RecordingPanel final : public Panel {
public:
    explicit RecordingPanel(std::string boundText = "1000") : boundText(std::move(boundText)) {}

    std::string BoundText() const override {
        ++boundReads;
        return boundText;
    }
    void AppendItem(std::string_view text) override {
        items.emplace_back(text);
        if (!listVisible) {
            ++appendsWhileHidden;
        }
    }
    void SetListVisible(bool visible) override {
        listVisible = visible;
        ++visibilityChanges;
    }
    void SetResultText(std::string_view text) override {
        resultText = text;
        ++resultWrites;
    }

    std::string boundText;
    std::vector<std::string> items;
    std::string resultText;
    bool listVisible = true;
    mutable int boundReads = 0;
    int visibilityChanges = 0;
    int appendsWhileHidden = 0;
    int resultWrites = 0;
};

}  // namespace zandrel::test
