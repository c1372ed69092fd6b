#include "platform/win32/win32_printers.h"

#include <windows.h>

#include <winspool.h>

namespace tavrin {

namespace {

std::string TextOf(const char* s) { return s ? s : ""; }

}  // namespace

std::vector<std::string> Win32Printers::Names() {
    std::vector<std::string> names;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) return names;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return names;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD k = 0; k < count; ++k) names.push_back(TextOf(printers[k].pPrinterName));
    return names;
}

PrinterDetails Win32Printers::Details(const std::string& name) {
    PrinterDetails details;
    HANDLE printer;
    if (!OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr)) return details;
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && GetPrinterA(printer, 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
        details.device = TextOf(info->pPrinterName);
        details.driver = TextOf(info->pDriverName);
        details.port = TextOf(info->pPortName);
    }
    ClosePrinter(printer);
    return details;
}

std::string Win32Printers::DevicesEntry(const std::string& name) {
    char entry[512] = "";
    GetProfileStringA("Devices", name.c_str(), "", entry, sizeof entry);
    return entry;
}

void Win32Printers::SetDefault(const std::string& device) {
    WriteProfileStringA("windows", "device", device.c_str());
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("windows"),
                        SMTO_NORMAL, 1000, nullptr);
}

}  // namespace tavrin
