#pragma once
// Dial-up networking, through the system's dial-up library.
#include <cstdint>
#include <string>
#include <vector>

namespace tavrin {

// A connection of the dial-up library; 0 is none.
using DialConnection = uint64_t;

class DialUp {
public:
    virtual ~DialUp() = default;
    // The library was loaded and its functions found at start.
    virtual bool Available() = 0;
    // Dials the phone-book entry and waits until it connects or fails,
    // with the wait cursor meanwhile. Its result: 0 or an error code;
    // connection is what the library handed back, also when it failed.
    virtual uint32_t Dial(const std::string& entry, const std::string& user,
                          const std::string& password, DialConnection& connection) = 0;
    // The active connections (at most 100); false when they cannot be listed.
    virtual bool Connections(std::vector<DialConnection>& connections) = 0;
    virtual uint32_t HangUp(DialConnection connection) = 0;
};

}  // namespace tavrin
