// Acts on a top-level window found by a part of its title, for the Wine tests:
//   window_tool close <title part>   posts WM_CLOSE to it (to a hidden one
//                                    when no window shown matches)
//   window_tool count <title part>   prints how many top-level windows match
//   window_tool text <title part>    prints the text of its "Edit" child (as
//                                    Notepad's), bytes as they are, CR LF kept
//   window_tool enabled <title part> prints 1 when it takes input, else 0
//   window_tool iconic <title part>  prints 1 when it is minimised, else 0
//   window_tool minimize <title part>  minimises it
//   window_tool columns <title part> prints the column widths of its list view
//   window_tool message <title part> prints the text of a message box
//   window_tool front                prints the title of the foreground window
//   window_tool press <title part> <caption>   clicks that button of the window
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Search {
    const char* part;
    bool hiddenToo;
    std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<Search*>(lParam);
    char title[512];
    GetWindowTextA(hwnd, title, sizeof title);
    if ((s->hiddenToo || IsWindowVisible(hwnd)) && std::strstr(title, s->part))
        s->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> WindowsTitled(const char* part, bool hiddenToo = false) {
    Search search{part, hiddenToo, {}};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Prints the text of the first matching window that has an edit control.
int PrintEditText(const std::vector<HWND>& windows) {
    for (HWND w : windows) {
        HWND edit = FindWindowExA(w, nullptr, "Edit", nullptr);
        if (!edit) continue;
        // SendMessageTimeout: a hung target must not hang the test.
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
            return 1;
        std::string text(length + 1, '\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutA(edit, WM_GETTEXT, text.size(),
                                 reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 5000,
                                 &copied))
            return 1;
        // Binary output: the C runtime would turn each LF into CR LF.
        _setmode(_fileno(stdout), _O_BINARY);
        std::fwrite(text.data(), 1, copied, stdout);
        return 0;
    }
    return 1;
}

}  // namespace

// Clicks the button of that caption in the first window of that title.
int PressButton(const char* titlePart, const char* caption) {
    std::vector<HWND> windows = WindowsTitled(titlePart);
    if (windows.empty()) return 1;
    HWND button = FindWindowExA(windows[0], nullptr, "BUTTON", caption);
    if (!button) return 1;
    PostMessageA(windows[0], WM_COMMAND, GetDlgCtrlID(button), reinterpret_cast<LPARAM>(button));
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "front") == 0) {
        char title[512] = "";
        GetWindowTextA(GetForegroundWindow(), title, sizeof title);
        std::printf("%s\n", title);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "press") == 0) return PressButton(argv[2], argv[3]);
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: window_tool close|columns|count|enabled|iconic|message|minimize|text "
                     "<title part> | "
                     "front | press <title part> <button caption>\n");
        return 2;
    }
    std::vector<HWND> windows = WindowsTitled(argv[2]);
    if (std::strcmp(argv[1], "count") == 0) {
        std::printf("%zu\n", windows.size());
        return 0;
    }
    if (std::strcmp(argv[1], "text") == 0) return PrintEditText(windows);
    if (windows.empty() && std::strcmp(argv[1], "close") == 0) windows = WindowsTitled(argv[2], true);
    if (windows.empty()) return 1;
    if (std::strcmp(argv[1], "enabled") == 0) {
        std::printf("%d\n", IsWindowEnabled(windows[0]) ? 1 : 0);
        return 0;
    }
    if (std::strcmp(argv[1], "iconic") == 0) {
        std::printf("%d\n", IsIconic(windows[0]) ? 1 : 0);
        return 0;
    }
    if (std::strcmp(argv[1], "columns") == 0) {
        HWND list = FindWindowExA(windows[0], nullptr, "SysListView32", nullptr);
        if (!list) return 1;
        // These messages carry no pointer, so they work across processes.
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        const LRESULT count = SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
        for (LRESULT c = 0; c < count; ++c) {
            std::printf(c ? " %ld" : "%ld",
                        static_cast<long>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0)));
        }
        std::printf("\n");
        return 0;
    }
    if (std::strcmp(argv[1], "message") == 0) {
        // A message box shows its text in the static control of id 0xFFFF.
        char text[1024] = "";
        HWND label = GetDlgItem(windows[0], 0xFFFF);
        if (!label || !SendMessageTimeoutA(label, WM_GETTEXT, sizeof text,
                                           reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                                           5000, nullptr))
            return 1;
        std::printf("%s\n", text);
        return 0;
    }
    if (std::strcmp(argv[1], "minimize") == 0) {
        ShowWindowAsync(windows[0], SW_MINIMIZE);
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(windows[0], WM_CLOSE, 0, 0);
        return 0;
    }
    return 1;
}
