#pragma once
// The video clip player: the clip's picture over its play bar,
// centred on the screen. It opens the clip for the user to play, plays it,
// or plays it and closes itself a second after the clip has ended.
#include <string>

#include "platform/playback_ui.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class VideoClipDialog : public ModalDialog {
public:
    VideoClipDialog(const std::string& file, VideoStart start);

private:
    bool OnInit() override;
    void OnActivate() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The player's bar in the dialog's font, its button wide enough for its
    // caption and the slider a little apart from it.
    void FitPlayBar();

    const std::string& file_;
    VideoStart start_;
    HWND player_ = nullptr;
    bool opened_ = false;
    bool started_ = false;
};

}  // namespace tavrin
