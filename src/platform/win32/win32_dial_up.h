#pragma once
#include <memory>
#include <string>
#include <vector>

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

    // For the dial-up dialog: the names of the phone book's entries, none
    // when the library is missing or cannot list them; and the user name and
    // (when one is kept) the password stored with an entry, false when the
    // entry's parameters cannot be read.
    std::vector<std::string> EntryNames();
    bool StoredLogon(const std::string& entry, std::string& user, std::string& password);

private:
    struct Library;
    std::unique_ptr<Library> library_;
};

}  // namespace tavrin
