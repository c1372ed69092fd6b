#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tavrin {

LocalDateTime Win32Clock::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return LocalDateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                         st.wMilliseconds};
}

}  // namespace tavrin
