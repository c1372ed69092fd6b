#pragma once
// "Default Printer": one of the printers the printing layer knows, by name.
#include <string>
#include <vector>

#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

// The names the list offers: the printing layer's names from the second to
// the last, as the default printer tag looks them up.
std::vector<std::string> PrinterChoices(const std::vector<std::string>& names);

struct DefaultPrinterValues {
    std::string Name;
};

struct DefaultPrinterFields {
    std::string Name;  // the selected line; empty for none
};

DefaultPrinterFields NewDefaultPrinterFields();
DefaultPrinterFields DefaultPrinterFieldsOf(const DefaultPrinterValues& values);
DefaultPrinterValues DefaultPrinterValuesOf(const TagMatch& match);
CommandAnswer<DefaultPrinterValues> AcceptDefaultPrinter(const DefaultPrinterFields& fields);


}  // namespace tavrin
