#pragma once
#include "platform/user_messages.h"

namespace tavrin {

// Message boxes owned by the program's main window once it exists.
class Win32UserMessages : public UserMessages {
public:
    void SetOwner(void* window) { owner_ = window; }
    void ShowMessage(const std::string& title, const std::string& text) override;
    bool AskYesNo(const std::string& title, const std::string& question) override;

private:
    void* owner_ = nullptr;
};

}  // namespace tavrin
