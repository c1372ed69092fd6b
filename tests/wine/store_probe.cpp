// Exercises the macro store on real files under Wine:
//   store_probe <macro file>
// creates the file with its system macros, appends, rewrites the active
// byte, deletes and reloads, and prints what it finds;
//   store_probe add <macro file> <nickname> <hot key code> <macro text>
//               [<scope> [<scope name> [<top most only> [<active>]]]] [name=value...]
// appends one macro, active and Global unless told otherwise and modified
// now, for the tests that need macros; a macro text "@<path>" is read from
// that file, bytes as they are (CR LF kept), for long texts and texts with
// line breaks or characters beyond ASCII; the named values set "quillet",
// "sched" (the schedule kind), "minutes" and "icon" (a file of the Icons
// folder); "menu=5,6,7" makes it a popup menu of those macros (shown as
// nickname and scope unless "show" gives another style, and its second
// character, if any, the icon size '0' .. '4');
//   store_probe list <macro file>
// prints "number nickname|hot key|active" for every macro;
//   store_probe record <macro file> <n> text|quillet
// prints the macro text or the Quillet name of macro n.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/day_number.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "store/macro_store.h"

namespace {

class NoHooks : public tavrin::HookLibrary {
public:
    uint32_t ZynHookKeyboard() override { return 0; }
    uint32_t ZynHookMouse() override { return 0; }
    uint32_t ZynHookCBT() override { return 0; }
    uint32_t ZynHookSwap() override { return 0; }
    bool ZynUnHook(uint32_t) override { return true; }
    void ZynUpInit(const tavrin::MacroTable&) override {}
    void ZynUpWindow(const tavrin::MacroTable&) override {}
    void ZynUpWindow2(const tavrin::MacroTable&) override {}
    void ZynUpKeys(const tavrin::MacroTable&) override {}
    void ZynUpNumKeys(const tavrin::MacroTable&) override {}
    void ZynUpItem(const tavrin::MacroTable&, int) override {}
    void ZynUpInUse(const tavrin::MacroTable&) override {}
    void ZynUpCapture(const tavrin::MacroTable&) override {}
    void ZynUpCaptureOn(const tavrin::MacroTable&) override {}
    void ZynUpIdle(const tavrin::MacroTable&) override {}
    void ZynUpWaits(const tavrin::MacroTable&) override {}
    void ZynUpProg(const tavrin::MacroTable&) override {}
    void ZynUpProgs(const tavrin::MacroTable&) override {}
    void ZynUpKeyHook(const tavrin::MacroTable&) override {}
    void ZynUpMouseHook(const tavrin::MacroTable&) override {}
    uint32_t ZynHeldModifiers() override { return 0; }
};

class PrintedMessages : public tavrin::UserMessages {
public:
    void ShowMessage(const std::string& title, const std::string& text) override {
        std::printf("message %s: %s\n", title.c_str(), text.c_str());
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

// The macro text argument: the text itself, or "@<path>" for a file's bytes.
bool MacroTextArgument(const char* arg, std::string& text) {
    if (arg[0] != '@') {
        text = arg;
        return true;
    }
    std::FILE* f = std::fopen(arg + 1, "rb");
    if (!f) {
        std::fprintf(stderr, "cannot read %s\n", arg + 1);
        return false;
    }
    text.clear();
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
    std::fclose(f);
    return true;
}

// A "name=value" argument of "add".
bool NamedValue(const std::string& arg, tavrin::MacroRecord& r) {
    const size_t equals = arg.find('=');
    if (equals == std::string::npos) return false;
    const std::string name = arg.substr(0, equals);
    const std::string value = arg.substr(equals + 1);
    if (name == "quillet") r.QuilletName = value;
    else if (name == "sched") r.SchedKind = static_cast<int16_t>(std::stoi(value));
    else if (name == "minutes") r.SchedMinutes = static_cast<uint16_t>(std::stoi(value));
    else if (name == "icon") r.IconFile = value;
    else if (name == "menu") {
        r.Scope = tavrin::kScopePopupMenu;
        r.IconFile = "MENU";
        if (r.QuilletName.size() != 3) r.SetMenuOptions('N', '3', '0');
        for (size_t at = 0; at < value.size();) {
            size_t end = value.find(',', at);
            if (end == std::string::npos) end = value.size();
            r.MenuItems.push_back(static_cast<uint16_t>(std::stoi(value.substr(at, end - at))));
            at = end + 1;
        }
    } else if (name == "tray") {
        // A menu with its own tray icon; after "menu=".
        if (r.QuilletName.size() != 3) return false;
        r.QuilletName[0] = 'Y';
    } else if (name == "show") {
        r.SetMenuOptions('N', value.empty() ? '3' : value[0], value.size() > 1 ? value[1] : '0');
    } else return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool add = argc >= 6 && std::string(argv[1]) == "add";
    const bool list = argc == 3 && std::string(argv[1]) == "list";
    const bool record = argc == 5 && std::string(argv[1]) == "record";
    if (argc != 2 && !add && !list && !record) {
        std::fprintf(stderr, "usage: store_probe [add] <macro file> ...\n");
        return 2;
    }
    tavrin::Win32Files files;
    tavrin::Win32Clock clock;
    NoHooks hooks;
    PrintedMessages messages;
    std::string current;
    tavrin::MacroStore store(files, hooks, messages, clock, "C:\\tavrin", current);

    if (list) {
        store.LoadMacroFile(argv[2]);
        for (int n = 1; n <= store.MacroCount(); ++n) {
            std::printf("%d %s|%u|%u\n", n, store.NicknameOf(n).c_str(),
                        store.Table().HotKeyOf(n), store.Table().ActiveOf(n));
        }
        return 0;
    }
    if (record) {
        store.LoadMacroFile(argv[2]);
        tavrin::MacroRecord r;
        if (!store.ReadMacro(std::atoi(argv[3]), r)) return 1;
        std::printf("%s", std::string(argv[4]) == "quillet" ? r.QuilletName.c_str()
                                                            : r.MacroText.c_str());
        return 0;
    }
    if (add) {
        store.LoadMacroFile(argv[2]);
        tavrin::MacroRecord r;
        r.Nickname = argv[3];
        r.HotKey = static_cast<uint16_t>(std::stoi(argv[4]));
        if (!MacroTextArgument(argv[5], r.MacroText)) return 1;
        r.IconFile = "MAIN";
        r.LastModified = tavrin::ToDayNumber(clock.Now());  // as the program stamps it
        int position = 6;
        for (int i = 6; i < argc; ++i) {
            if (NamedValue(argv[i], r)) continue;
            switch (position++) {
                case 6: r.Scope = static_cast<int16_t>(std::stoi(argv[i])); break;
                case 7: r.ScopeName = argv[i]; break;
                case 8: r.TopMostOnly = static_cast<uint8_t>(std::stoi(argv[i])); break;
                case 9: r.Active = static_cast<uint8_t>(std::stoi(argv[i])); break;
                default: return 2;
            }
        }
        return store.AppendMacro(r) ? 0 : 1;
    }
    store.LoadMacroFile(argv[1]);
    std::printf("loaded %d\n", store.MacroCount());
    tavrin::MacroRecord r;
    r.Nickname = "Probe Macro";
    r.MacroText = std::string(5000, 'z');
    r.IconFile = "NOSUCH.ICO";
    if (!store.AppendMacro(r)) return 1;
    store.SetMacroActive(5, 0);
    store.DeleteMacro(2);
    store.ReloadMacroFile();
    std::printf("reloaded %d\n", store.MacroCount());
    for (int n = 1; n <= store.MacroCount(); ++n) {
        tavrin::MacroRecord read;
        if (!store.ReadMacro(n, read)) return 1;
        std::printf("%d %s|%u|%d|%u|%s|%zu\n", n, store.NicknameOf(n).c_str(), read.HotKey,
                    read.Scope, read.Active, read.IconFile.c_str(), read.MacroText.size());
    }
    return 0;
}
