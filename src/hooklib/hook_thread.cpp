#include "hooklib/hook_thread.h"

#include <map>

#include "hooklib/input_watch.h"
#include "hooklib/process_watch.h"
#include "hooklib/remap_hook.h"

namespace tavrin {
namespace {

constexpr UINT kRequestMessage = WM_APP + 1;
constexpr DWORD kAnswerTimeout = 5000;  // ms
constexpr DWORD kJoinTimeout = 5000;    // ms
constexpr UINT kProgramsInterval = 1000;  // ms between two looks at the processes
// Wine does not report foreground changes of other processes to an event
// hook, so the window in front is also looked at this often (ms).
constexpr UINT kForegroundInterval = 250;

}  // namespace

// Shared by the asking thread and the hook thread; whichever lets go last
// frees it, so an answer that comes after the asker gave up is harmless.
struct HookThread::Request {
    enum Op { Install, Remove } op;
    HookKind kind;
    uint32_t token;
    uint32_t answer = 0;
    bool last = false;  // no hook is left: the thread ends after answering
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    LONG owners = 2;

    void Release() {
        if (InterlockedDecrement(&owners) != 0) return;
        if (done != nullptr) CloseHandle(done);
        delete this;
    }
};

// Everything that lives on the hook thread.
struct HookThread::State {
    HMODULE module;
    InputWatch watch;
    ProcessWatch programs;
    std::map<uint32_t, HookKind> tokens;
    int users[4] = {};
    HHOOK keyboard = nullptr;
    HHOOK mouse = nullptr;
    HWINEVENTHOOK window = nullptr;
    UINT_PTR programTimer = 0;
    UINT_PTR foregroundTimer = 0;
};

namespace {

// The state of the running hook thread, for the callbacks, which run on it.
HookThread::State* g_state = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_state != nullptr) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (g_state->watch.OnKey(key, down)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_state != nullptr &&
        g_state->watch.OnMouse(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ForegroundProc(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    if (g_state != nullptr && window != nullptr) g_state->watch.OnForeground(window);
}

bool Hook(HookThread::State& s, HookKind kind) {
    switch (kind) {
    case HookKind::Keyboard:
        s.watch.ResyncKeys();
        s.keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, s.module, 0);
        return s.keyboard != nullptr;
    case HookKind::Mouse:
        s.mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseProc, s.module, 0);
        return s.mouse != nullptr;
    case HookKind::Window:
        s.watch.WatchForeground();
        s.foregroundTimer = SetTimer(nullptr, 0, kForegroundInterval, nullptr);
        if (s.foregroundTimer == 0) return false;
        s.window = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                   ForegroundProc, 0, 0, WINEVENT_OUTOFCONTEXT);
        s.programs.Reset();
        s.programTimer = SetTimer(nullptr, 0, kProgramsInterval, nullptr);
        return true;
    case HookKind::Remap:
        return InstallRemapHook(s.module);
    }
    return false;
}

void Unhook(HookThread::State& s, HookKind kind) {
    switch (kind) {
    case HookKind::Keyboard:
        UnhookWindowsHookEx(s.keyboard);
        s.keyboard = nullptr;
        break;
    case HookKind::Mouse:
        UnhookWindowsHookEx(s.mouse);
        s.mouse = nullptr;
        break;
    case HookKind::Window:
        if (s.window != nullptr) UnhookWinEvent(s.window);
        s.window = nullptr;
        KillTimer(nullptr, s.foregroundTimer);
        KillTimer(nullptr, s.programTimer);
        s.foregroundTimer = s.programTimer = 0;
        break;
    case HookKind::Remap:
        RemoveRemapHook();
        break;
    }
}

}  // namespace

HookThread::HookThread(TableCopy& table)
    : table_(table), ready_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

// Runs when the library is unloaded, inside DllMain: it must not wait for the
// thread. A thread still running holds its own reference to the library, so
// this only happens once the thread is gone or the process is ending.
HookThread::~HookThread() {
    if (thread_ != nullptr) CloseHandle(thread_);
    if (ready_ != nullptr) CloseHandle(ready_);
}

uint32_t HookThread::Install(HookKind kind) {
    return Ask(new Request{Request::Install, kind, 0});
}

bool HookThread::Remove(uint32_t token) {
    return token != 0 && Ask(new Request{Request::Remove, HookKind::Keyboard, token}) != 0;
}

uint32_t HookThread::Ask(Request* request) {
    Hold hold(callers_);
    const bool running = Running() || (request->op == Request::Install && Start());
    if (!running || request->done == nullptr ||
        !PostThreadMessageA(threadId_, kRequestMessage, 0, reinterpret_cast<LPARAM>(request))) {
        request->Release();
        request->Release();
        return 0;
    }
    const bool answered = WaitForSingleObject(request->done, kAnswerTimeout) == WAIT_OBJECT_0;
    const uint32_t answer = answered ? request->answer : 0;
    const bool last = answered && request->last;
    request->Release();
    if (last) Join();
    return answer;
}

bool HookThread::Running() {
    if (thread_ == nullptr) return false;
    if (WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT) return true;
    CloseHandle(thread_);
    thread_ = nullptr;
    return false;
}

bool HookThread::Start() {
    // The reference keeps the library loaded while its code runs on the
    // thread; the thread gives it back as it ends.
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(this), &module_))
        return false;
    thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
    if (thread_ == nullptr) {
        FreeLibrary(module_);
        return false;
    }
    return WaitForSingleObject(ready_, kAnswerTimeout) == WAIT_OBJECT_0;
}

void HookThread::Join() {
    WaitForSingleObject(thread_, kJoinTimeout);
    CloseHandle(thread_);
    thread_ = nullptr;
}

DWORD WINAPI HookThread::Run(void* param) {
    auto* self = static_cast<HookThread*>(param);
    const HMODULE module = self->module_;
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // creates the queue
    {
        State state{module, InputWatch(self->table_, GetCurrentThreadId(), self->heldKeys_), {},
                    {}};
        SetEvent(self->ready_);
        self->Loop(state);
    }
    FreeLibraryAndExitThread(module, 0);
}

void HookThread::Loop(State& state) {
    g_state = &state;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kRequestMessage) {
            auto* request = reinterpret_cast<Request*>(msg.lParam);
            Answer(state, *request);
            const bool last = request->last;
            SetEvent(request->done);
            request->Release();
            if (last) break;
        } else if (msg.hwnd == nullptr && msg.message == kMaskMessage) {
            MaskMenuKey(static_cast<WORD>(msg.wParam));
        } else if (msg.hwnd == nullptr && msg.message == WM_TIMER) {
            if (msg.wParam == state.foregroundTimer) {
                if (HWND front = GetForegroundWindow()) state.watch.OnForeground(front);
            } else if (msg.wParam == state.programTimer && state.programs.Changed()) {
                state.watch.OnProgramsChanged();
            }
        } else {
            DispatchMessageA(&msg);
        }
    }
    for (HookKind kind : {HookKind::Keyboard, HookKind::Mouse, HookKind::Window, HookKind::Remap})
        if (state.users[static_cast<int>(kind)] > 0) Unhook(state, kind);
    g_state = nullptr;
    heldKeys_.store(0);
}

void HookThread::Answer(State& state, Request& request) {
    if (request.op == Request::Install) {
        int& users = state.users[static_cast<int>(request.kind)];
        if (users > 0 || Hook(state, request.kind)) {
            ++users;
            if (nextToken_ == 0) ++nextToken_;
            request.answer = nextToken_++;
            state.tokens[request.answer] = request.kind;
        }
    } else {
        const auto it = state.tokens.find(request.token);
        if (it != state.tokens.end()) {
            const HookKind kind = it->second;
            if (--state.users[static_cast<int>(kind)] == 0) Unhook(state, kind);
            state.tokens.erase(it);
            request.answer = 1;
        }
    }
    request.last = state.tokens.empty();
}

}  // namespace tavrin
