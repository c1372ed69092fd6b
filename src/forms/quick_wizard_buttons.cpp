#include "forms/quick_wizard_buttons.h"

#include "store/macro_record.h"

namespace tavrin {

const std::vector<std::string>& QuickWizardLines(int n) {
    static const std::vector<std::string> lines[kQuickWizardButtons + 1] = {
        {},
        {"Type Text", "and", "Keystrokes"},
        {"Paste Text", "or", "Graphics"},
        {"Type", "A", "Symbol"},
        {"Launch or", "Activate", "Programs"},
        {"Go To", "a", "Web Site"},
        {"Type a", "Date", "or Time"},
        {"Capture", "A", "Macro"},
        {"Connect", "Network"},
        {"Reboot", "or", "Shut Down"},
        {"Create", "a", "Reminder"},
        {"Copy,", "Delete,", "Rename"},
        {"Dial-Up", "Network"},
        {"Set", "Display", "Resolution"},
        {"Choose", "A", "Printer"},
        {"Play", "Audio", "CD-Rom"},
        {"Play a", "Video", "Clip"},
        {"Sounds", "and", "Volume"},
        {"Web", "Sweep-", "stakes"},
        {"Change", "Desktop", "Wallpaper"},
        {"Move or", "Size", "a Window"},
        {"Maximize,", "Minimize", "Windows"},
        {"Open an", "Explorer", "Folder"},
        {"Desktop", "Goodies"},
        {"Screen", "Saver", "Options"},
        {"Create", "Menu", "of Macros"},
        {"Build", "From Other", "Macros"},
        {"Single", "Macro", "Command"},
    };
    return n >= 1 && n <= kQuickWizardButtons ? lines[n] : lines[0];
}

std::string QuickWizardName(int n) {
    std::string name;
    for (const std::string& line : QuickWizardLines(n)) {
        if (name.empty()) {
            name = line;
        } else if (name.back() == '-') {
            name.pop_back();  // a word split over two lines
            name += line;
        } else {
            name += " " + line;
        }
    }
    return name;
}

int QuickWizardLineTop(size_t lineCount, size_t i) {
    if (lineCount == 3) return 2 + 14 * static_cast<int>(i);
    return 8 + 16 * static_cast<int>(i);
}

std::string QuickWizardRefusal(int macroCount) {
    if (macroCount >= static_cast<int>(kMaxMacros))
        return "Maximum number of hot keys has been reached.  A macro cannot be added.";
    return "";
}

}  // namespace tavrin
