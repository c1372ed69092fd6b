#pragma once
// The printers the printing library knows, and the default printer.
#include <string>
#include <vector>

namespace tavrin {

struct PrinterDetails {
    std::string device;
    std::string driver;
    std::string port;
};

class Printers {
public:
    virtual ~Printers() = default;
    // The names of the local and connected printers, in the library's order.
    virtual std::vector<std::string> Names() = 0;
    // What the printer says of itself; empty fields when it cannot be opened.
    virtual PrinterDetails Details(const std::string& name) = 0;
    // The printer's value in the "Devices" section of the system profile
    // ("driver,port"), empty when it has none.
    virtual std::string DevicesEntry(const std::string& name) = 0;
    // Writes the value "device" of the "windows" section of the system
    // profile and tells every top-level window, waiting at most 1000 ms for
    // each.
    virtual void SetDefault(const std::string& device) = 0;
};

}  // namespace tavrin
