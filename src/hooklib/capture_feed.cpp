#include "hooklib/capture_feed.h"

#include "platform/hook_protocol.h"
#include "platform/win32/window_id.h"

namespace tavrin {
namespace {

// The button of a mouse message and whether it went down; button 0 for
// anything else.
int ButtonOf(WPARAM message, bool& down) {
    down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return 3;
    default: return 0;
    }
}

// What the key types with no modifier, in the layout of the window in front.
char Unshifted(DWORD key) {
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
    const UINT c = MapVirtualKeyExA(key, MAPVK_VK_TO_CHAR, layout) & 0xFFFF;
    if (c < 32 || c > 255) return 0;
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

CaptureRecorder* CaptureFeed::Recorder() {
    capture_ = table_.Capture();
    if (!capture_.on) {
        recorder_.reset();
        stopped_ = false;
        return nullptr;
    }
    if (capture_.setups != setup_) {
        setup_ = capture_.setups;
        recorder_.reset();
        stopped_ = false;
    }
    if (stopped_) return nullptr;
    if (!recorder_) {
        POINT at{};
        GetCursorPos(&at);
        recorder_ = std::make_unique<CaptureRecorder>(capture_.setup.options,
                                                      ScreenPoint{at.x, at.y});
    }
    return recorder_.get();
}

bool CaptureFeed::IsStop(uint16_t key, uint16_t button, const KeyModifiers& m) const {
    const CaptureSetup& s = capture_.setup;
    return IsStopKey(s.stop, key, button, m.ctrl, m.alt, m.shift, m.win) ||
           (s.altStopOn && IsStopKey(s.altStop, key, button, m.ctrl, m.alt, m.shift, m.win));
}

bool CaptureFeed::StopsOnKey(const KBDLLHOOKSTRUCT& key, bool down, const KeyModifiers& m) {
    const size_t k = key.vkCode & 0xFF;
    if (!down) {
        if (!swallowedKeys_.test(k)) return false;
        swallowedKeys_.reset(k);
        return true;
    }
    if (Recorder() == nullptr || !IsStop(static_cast<uint16_t>(key.vkCode), 0, m)) return false;
    swallowedKeys_.set(k);
    Stop();
    return true;
}

bool CaptureFeed::StopsOnMouse(WPARAM message, const KeyModifiers& m) {
    bool down = false;
    const int button = ButtonOf(message, down);
    if (button == 0) return false;
    if (!down) {
        if (!swallowedButtons_.test(static_cast<size_t>(button))) return false;
        swallowedButtons_.reset(static_cast<size_t>(button));
        return true;
    }
    if (Recorder() == nullptr || !IsStop(0, static_cast<uint16_t>(button), m)) return false;
    swallowedButtons_.set(static_cast<size_t>(button));
    Stop();
    return true;
}

void CaptureFeed::RecordKey(const KBDLLHOOKSTRUCT& key, bool down, bool swallowed,
                            EventContext& context) {
    CaptureRecorder* recorder = Recorder();
    if (recorder == nullptr) return;
    if (swallowed) {
        if (down) recorder->KeyKeptOut();
        return;
    }
    CapturedKey k;
    k.virtualKey = key.vkCode;
    k.down = down;
    k.time = key.time;
    if (down) {
        const Typed typed = context.Translate();
        k.typed = typed.kind == Typed::Character ? typed.character : 0;
        k.before = typed.kind == Typed::Character ? typed.before : 0;
        k.composed = typed.kind == Typed::Composed;
        k.unshifted = Unshifted(key.vkCode);
    }
    Send(recorder->OnKey(k));
}

void CaptureFeed::RecordMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse, bool swallowed) {
    CaptureRecorder* recorder = Recorder();
    if (recorder == nullptr) return;
    CapturedMouse m;
    bool down = false;
    m.button = ButtonOf(message, down);
    if (message == WM_MOUSEMOVE) {
        m.kind = CapturedMouse::Move;
    } else if (message == WM_MOUSEWHEEL) {
        m.kind = CapturedMouse::Wheel;
        m.wheelDelta = static_cast<short>(HIWORD(mouse.mouseData));
    } else if (m.button != 0) {
        m.kind = down ? CapturedMouse::Down : CapturedMouse::Up;
    } else {
        return;
    }
    if (swallowed) {
        if (down) recorder->KeyKeptOut();
        return;
    }
    m.at = {mouse.pt.x, mouse.pt.y};
    m.time = mouse.time;
    HWND front = GetForegroundWindow();
    RECT r{};
    if (front != nullptr && GetWindowRect(front, &r))
        m.window = {ToId(front), r.left, r.top, r.right - r.left, r.bottom - r.top};
    Send(recorder->OnMouse(m));
}

void CaptureFeed::Stop() {
    Send(recorder_->Finish());
    recorder_.reset();
    stopped_ = true;
    PostMessageA(ToHwnd(capture_.to), kMsgCaptureEnded, capture_.setup.macro, 0);
}

void CaptureFeed::Send(const std::string& text) {
    for (char c : text)
        PostMessageA(ToHwnd(capture_.to), kMsgCaptureText, capture_.setup.macro,
                     static_cast<LPARAM>(static_cast<uint8_t>(c)));
}

}  // namespace tavrin
