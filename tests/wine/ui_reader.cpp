// Reads the controls of a top-level window found by a part of its title,
// from another process, for the Wine tests:
//   ui_reader rows <title part>      each row of its list view: "n|text|text|..."
//   ui_reader selected <title part>  the 1-based row selected in its list view, 0 for none
//   ui_reader title <title part> <column>   the screen point at the middle of
//                                    that column's title: "x y"
//   ui_reader edge <title part> <column>    the screen point on the right edge
//                                    of that column's title, where it is sized
//   ui_reader row <title part> <row> the screen point in the middle of that
//                                    row's third column: "x y"
//   ui_reader texts <title part>     the text of every child window, one a line
//   ui_reader button <title part> <caption>  1 when that button is enabled, else 0
//   ui_reader tool <title part> <command>    1 when that toolbar button is enabled
// Texts are read as wide text and printed in the ANSI code page.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Search {
    const char* part;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<Search*>(lParam);
    char title[512];
    GetWindowTextA(hwnd, title, sizeof title);
    if (IsWindowVisible(hwnd) && std::strstr(title, s->part)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WindowTitled(const char* part) {
    Search search{part};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Memory in the window's process, for messages that carry a pointer.
class RemoteBuffer {
public:
    RemoteBuffer(HWND w, size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            remote_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Ok() const { return remote_ != nullptr; }
    char* Address() const { return static_cast<char*>(remote_); }
    bool Write(size_t offset, const void* data, size_t n) {
        return WriteProcessMemory(process_, Address() + offset, data, n, nullptr);
    }
    bool Read(size_t offset, void* data, size_t n) {
        return ReadProcessMemory(process_, Address() + offset, data, n, nullptr);
    }

private:
    size_t size_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

std::string Narrow(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], size, nullptr, nullptr);
    return out;
}

std::string ItemText(HWND list, RemoteBuffer& buffer, int row, int column) {
    constexpr int kChars = 512;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.Address() + sizeof item);
    buffer.Write(0, &item, sizeof item);
    DWORD_PTR got = 0;
    SendMessageTimeoutW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(buffer.Address()),
                        SMTO_ABORTIFHUNG, 5000, &got);
    wchar_t text[kChars] = L"";
    buffer.Read(sizeof item, text, sizeof text);
    text[kChars - 1] = L'\0';
    return Narrow(text);
}

HWND ListOf(HWND w) { return FindWindowExA(w, nullptr, "SysListView32", nullptr); }

int Rows(HWND w) {
    HWND list = ListOf(w);
    if (!list) return 1;
    RemoteBuffer buffer(list, 4096);
    if (!buffer.Ok()) return 1;
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < columns; ++c) {
            if (c == 1) continue;  // the icon column has no text
            line += (c ? "|" : "") + ItemText(list, buffer, r, c);
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

// A rectangle of the list's process, turned into the middle point on the
// screen of the window it belongs to.
int PrintMiddle(HWND owner, RemoteBuffer& buffer, bool ok, bool rightEdge = false) {
    RECT r{};
    if (!ok || !buffer.Read(0, &r, sizeof r)) return 1;
    POINT p{rightEdge ? r.right - 1 : (r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(owner, &p);
    std::printf("%ld %ld\n", static_cast<long>(p.x), static_cast<long>(p.y));
    return 0;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    // WM_GETTEXT itself: GetWindowText reads only captions across processes.
    wchar_t text[1024] = L"";
    DWORD_PTR got = 0;
    SendMessageTimeoutW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, &got);
    if (text[0]) std::printf("%s\n", Narrow(text).c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ui_reader rows|selected|title|edge|row|texts|button|tool <title part> ...\n");
        return 2;
    }
    const std::string command = argv[1];
    HWND w = WindowTitled(argv[2]);
    if (!w) return 1;
    if (command == "rows") return Rows(w);
    if (command == "texts") {
        EnumChildWindows(w, PrintChild, 0);
        return 0;
    }
    HWND list = ListOf(w);
    if (command == "selected") {
        if (!list) return 1;
        std::printf("%ld\n", static_cast<long>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)) + 1);
        return 0;
    }
    if (argc != 4) return 2;
    if (command == "button") {
        HWND button = FindWindowExA(w, nullptr, "BUTTON", argv[3]);
        if (!button) return 1;
        std::printf("%d\n", IsWindowEnabled(button) ? 1 : 0);
        return 0;
    }
    if (command == "tool") {
        HWND bar = FindWindowExA(w, nullptr, TOOLBARCLASSNAMEA, nullptr);
        if (!bar) return 1;
        const LRESULT state = SendMessageA(bar, TB_GETSTATE, std::atoi(argv[3]), 0);
        std::printf("%d\n", state != -1 && (state & TBSTATE_ENABLED) ? 1 : 0);
        return 0;
    }
    if (!list) return 1;
    RemoteBuffer buffer(list, sizeof(RECT));
    if (!buffer.Ok()) return 1;
    if (command == "title" || command == "edge") {
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        const bool ok = SendMessageA(header, HDM_GETITEMRECT, std::atoi(argv[3]),
                                     reinterpret_cast<LPARAM>(buffer.Address())) != 0;
        return PrintMiddle(header, buffer, ok, command == "edge");
    }
    if (command == "row") {
        RECT r{};
        r.top = 2;  // the third column
        r.left = LVIR_BOUNDS;
        buffer.Write(0, &r, sizeof r);
        const bool ok = SendMessageA(list, LVM_GETSUBITEMRECT, std::atoi(argv[3]) - 1,
                                     reinterpret_cast<LPARAM>(buffer.Address())) != 0;
        return PrintMiddle(list, buffer, ok);
    }
    return 2;
}
