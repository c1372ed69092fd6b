#include "app/screen_dpi.h"

#include <windows.h>

namespace tavrin {

int ScreenDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

int ToScreen(int size) { return MulDiv(size, ScreenDpi(), 96); }
int FromScreen(int size) { return MulDiv(size, 96, ScreenDpi()); }

}  // namespace tavrin
