#pragma once
// "Default Printer", over its model in forms/default_printer_form.h.
#include <string>
#include <vector>

#include "forms/default_printer_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class DefaultPrinterDialog : public CommandDialog {
public:
    explicit DefaultPrinterDialog(const DefaultPrinterFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    DefaultPrinterFields fields_;
    std::vector<std::string> choices_;
};

}  // namespace tavrin
