// Reads back what the system tags changed, for the Wine tests:
//   system_probe settings          prints the keyboard delay and speed, the
//                                  screen saver time-out (seconds) and
//                                  whether it is on, and the border width,
//                                  one "name value" line each
//   system_probe saver-on          turns the screen saver on
//   system_probe message <title>   prints the text of the message box of
//                                  exactly that title
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

int Setting(UINT action) {
    int value = -1;
    SystemParametersInfoA(action, 0, &value, 0);
    return value;
}

BOOL CALLBACK PrintStatic(HWND child, LPARAM) {
    char name[32] = "", text[1024] = "";
    GetClassNameA(child, name, sizeof name);
    GetWindowTextA(child, text, sizeof text);
    if (lstrcmpiA(name, "Static") == 0 && text[0]) std::printf("%s\n", text);
    return TRUE;
}

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK FindTitled(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<Search*>(lParam);
    char title[512] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    if (!IsWindowVisible(hwnd) || std::strcmp(title, s->title) != 0) return TRUE;
    s->found = hwnd;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "settings") == 0) {
        std::printf("delay %d\n", Setting(SPI_GETKEYBOARDDELAY));
        std::printf("speed %d\n", Setting(SPI_GETKEYBOARDSPEED));
        std::printf("timeout %d\n", Setting(SPI_GETSCREENSAVETIMEOUT));
        std::printf("active %d\n", Setting(SPI_GETSCREENSAVEACTIVE));
        std::printf("border %d\n", Setting(SPI_GETBORDER));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "saver-on") == 0)
        return SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, 0) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "message") == 0) {
        Search search{argv[2], nullptr};
        EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
        if (!search.found) return 1;
        EnumChildWindows(search.found, PrintStatic, 0);
        return 0;
    }
    std::fprintf(stderr, "usage: system_probe settings | saver-on | message <title>\n");
    return 2;
}
