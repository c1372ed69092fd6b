#include "platform/win32/win32_user_messages.h"

#include <windows.h>

namespace tavrin {

void Win32UserMessages::ShowMessage(const std::string& title, const std::string& text) {
    MessageBoxA(static_cast<HWND>(owner_), text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL);
}

bool Win32UserMessages::AskYesNo(const std::string& title, const std::string& question) {
    return MessageBoxA(static_cast<HWND>(owner_), question.c_str(), title.c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

}  // namespace tavrin
