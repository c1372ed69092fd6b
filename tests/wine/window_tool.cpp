// Acts on a top-level window found by a part of its title, for the Wine tests:
//   window_tool close <title part>   posts WM_CLOSE to it
//   window_tool count <title part>   prints how many top-level windows match
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Search {
    const char* part;
    std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<Search*>(lParam);
    char title[512];
    GetWindowTextA(hwnd, title, sizeof title);
    if (IsWindowVisible(hwnd) && std::strstr(title, s->part)) s->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> WindowsTitled(const char* part) {
    Search search{part, {}};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_tool close|count <title part>\n");
        return 2;
    }
    std::vector<HWND> windows = WindowsTitled(argv[2]);
    if (std::strcmp(argv[1], "count") == 0) {
        std::printf("%zu\n", windows.size());
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0 && !windows.empty()) {
        PostMessageA(windows[0], WM_CLOSE, 0, 0);
        return 0;
    }
    return 1;
}
