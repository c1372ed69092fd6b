#pragma once
#include <string>
#include <vector>

#include "platform/user_messages.h"

namespace tavrin {

// Keeps every message shown as "title: text".
class FakeMessages : public UserMessages {
public:
    std::vector<std::string> shown;
    void ShowMessage(const std::string& title, const std::string& text) override {
        shown.push_back(title + ": " + text);
    }
};

}  // namespace tavrin
