#pragma once
// Message boxes shown to the user, and Yes/No questions.
#include <string>

namespace tavrin {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& title, const std::string& question) = 0;
};

}  // namespace tavrin
