#include "ui/win32_playback_ui.h"

#include "platform/win32/window_id.h"
#include "ui/pause_dialog.h"
#include "ui/repeat_prompt_dialog.h"
#include "ui/text_box_dialog.h"
#include "ui/video_clip_dialog.h"

namespace tavrin {

void Win32PlaybackUi::ShowNotice(const std::string& title, const std::string& text) {
    if (noticeOpen_) return;  // notices never stack
    noticeOpen_ = true;
    HWND front = GetForegroundWindow();
    MessageBoxA(nullptr, text.c_str(), title.c_str(),
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL);
    if (front) SetForegroundWindow(front);
    noticeOpen_ = false;
}

void Win32PlaybackUi::ShowTextBox(const std::string& title, const std::string& text) {
    if (textBoxOpen_) return;
    textBoxOpen_ = true;
    HWND front = GetForegroundWindow();
    TextBoxDialog(title, text).Create(owner_);
    if (front) SetForegroundWindow(front);
    textBoxOpen_ = false;
}

PauseOutcome Win32PlaybackUi::PauseDialog(const PauseRequest& request) {
    PauseOutcome outcome;
    if (!settings_.UseHide && owner_) {
        if (IsIconic(owner_)) {
            ShowWindow(owner_, SW_RESTORE);
            outcome.wasIconic = true;
        }
        ShowWindow(owner_, SW_HIDE);
    }
    tavrin::PauseDialog dialog(request);
    pause_ = &dialog;
    outcome.resume = dialog.Create(owner_) == IDOK;
    pause_ = nullptr;
    if (!settings_.UseHide) ForegroundTopLevel(request.target);
    return outcome;
}

void Win32PlaybackUi::ResumePause() {
    if (pause_) pause_->Resume();
}

void Win32PlaybackUi::RestoreAfterPause(WindowId target, bool iconicBeforePause) {
    if (settings_.UseHide) return;
    if (owner_) ShowWindow(owner_, iconicBeforePause ? SW_SHOWMINNOACTIVE : SW_SHOWNA);
    ForegroundTopLevel(target);
}

uint16_t Win32PlaybackUi::AskRepeatCount() {
    HWND front = GetForegroundWindow();
    RepeatPromptDialog prompt;
    prompt.Create(owner_);
    if (front) SetForegroundWindow(front);
    return prompt.Count();
}

void Win32PlaybackUi::PlayVideo(const std::string& file, VideoStart start) {
    HWND front = GetForegroundWindow();
    VideoClipDialog(file, start).Create(owner_);
    if (front) SetForegroundWindow(front);
}

}  // namespace tavrin
