#pragma once
#include <memory>

#include "platform/dial_up.h"

namespace tavrin {

class Win32DialUp : public DialUp {
public:
    // Loads the dial-up library and finds its functions; the library is
    // freed again when the object goes.
    Win32DialUp();
    ~Win32DialUp() override;

    bool Available() override;
    uint32_t Dial(const std::string& entry, const std::string& user, const std::string& password,
                  DialConnection& connection) override;
    bool Connections(std::vector<DialConnection>& connections) override;
    uint32_t HangUp(DialConnection connection) override;

private:
    struct Library;
    std::unique_ptr<Library> library_;
};

}  // namespace tavrin
