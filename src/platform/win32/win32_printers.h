#pragma once
#include "platform/printers.h"

namespace tavrin {

class Win32Printers : public Printers {
public:
    std::vector<std::string> Names() override;
    PrinterDetails Details(const std::string& name) override;
    std::string DevicesEntry(const std::string& name) override;
    void SetDefault(const std::string& device) override;
};

}  // namespace tavrin
