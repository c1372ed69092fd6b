#pragma once
// Message boxes shown to the user.
#include <string>

namespace tavrin {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
};

}  // namespace tavrin
