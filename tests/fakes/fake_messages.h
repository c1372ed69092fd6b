#pragma once
#include <string>
#include <vector>

#include "platform/user_messages.h"

namespace tavrin {

// Keeps every message and question shown as "title: text"; questions get
// the answer the test sets.
class FakeMessages : public UserMessages {
public:
    std::vector<std::string> shown;
    bool answer = true;
    bool AskYesNo(const std::string& title, const std::string& question) override {
        shown.push_back(title + "? " + question);
        return answer;
    }
    void ShowMessage(const std::string& title, const std::string& text) override {
        shown.push_back(title + ": " + text);
    }
};

}  // namespace tavrin
