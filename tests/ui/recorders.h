// Stand-ins for the message boxes: they record what would have been shown and return at once.
#pragma once

#include <string>
#include <vector>

#include "presenters.h"

namespace corvane::testing {

struct RecordingErrors : ErrorPresenter {
    std::vector<std::string> shown;
    void ShowError(const std::string& message) override { shown.push_back(message); }
};

struct RecordingNotices : NoticePresenter {
    std::vector<std::string> shown;
    void ShowNotice(const std::string& text) override { shown.push_back(text); }
};

}  // namespace corvane::testing
