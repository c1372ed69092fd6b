#include "app/second_copy.h"

#include <windows.h>

namespace tavrin {

unsigned RegisteredStartMessage() {
    static const unsigned message = RegisterWindowMessageA("QORVIL");
    return message;
}

void SendCommandLineToRunningCopy(const std::string& commandLine) {
    const unsigned message = RegisteredStartMessage();
    auto send = [message](LPARAM character) {
        DWORD_PTR result;
        SendMessageTimeoutA(HWND_BROADCAST, message, 0, character, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            1000, &result);
    };
    for (unsigned char c : commandLine) {
        if (c != 0) send(c);
    }
    send(0);
}

}  // namespace tavrin
