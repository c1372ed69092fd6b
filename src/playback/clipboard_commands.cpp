#include "playback/clipboard_commands.h"

#include <algorithm>

#include "language/tag_table.h"
#include "platform/virtual_keys.h"
#include "playback/text_file.h"

namespace tavrin {

namespace {

constexpr uint8_t kCopyKey = 67;   // C
constexpr uint8_t kPasteKey = 86;  // V
constexpr double kAfterCopy = 0.05;
constexpr double kAfterPaste = 0.1;

}  // namespace

bool ClipboardCommands::PlayTag(const TagMatch& tag, const std::string& text, size_t& pos) {
    switch (tag.Kind) {
        case TagKind::ClipFile: {
            std::string fileText;
            if (!ReadTextFile(files_, ui_, tag.Fields.Texts[0], fileText)) return true;
            clipboard_.SetText(fileText);
            pause_(kAfterCopy);
            return true;
        }
        case TagKind::ClipBitmap:
            if (!files_.Exists(tag.Fields.Texts[0]))
                ui_.ShowNotice("Bitmap Copy Error", "Bitmap could not be located.");
            else
                clipboard_.SetBitmapFile(tag.Fields.Texts[0]);
            return true;
        case TagKind::ClipCopy:
            CtrlKey(kCopyKey);
            return true;
        case TagKind::ClipPaste:
            CtrlKey(kPasteKey);
            pause_(kAfterPaste);
            return true;
        case TagKind::BeginClip:
            BeginClip(text, pos);
            return true;
        case TagKind::EndClip:
            // Outside a clip, whose beginning skips past its end: taken, and
            // does nothing.
            return true;
        case TagKind::ClipType:
        case TagKind::ClipTypeIgnoreLines: {
            std::string clip = clipboard_.GetText();
            if (tag.Kind == TagKind::ClipTypeIgnoreLines)
                clip.erase(std::remove_if(clip.begin(), clip.end(),
                                          [](char c) { return c == '\r' || c == '\n'; }),
                           clip.end());
            if (!clip.empty()) play_(clip);
            return true;
        }
        default:
            return false;
    }
}

void ClipboardCommands::BeginClip(const std::string& text, size_t& pos) {
    const std::string& endClip = FindTagPattern(TagKind::EndClip)->Keyword;
    const size_t end = text.find(endClip, pos);
    if (end == std::string::npos) {
        // Nothing is copied and playback goes on with the text's last
        // character.
        pos = text.size() - 1;
        return;
    }
    clipboard_.SetText(text.substr(pos, end - pos));
    pause_(kAfterCopy);
    pos = end + endClip.size();
}

void ClipboardCommands::CtrlKey(uint8_t key) {
    keys_.PostVKey(vk::kCtrl, false);
    keys_.KeyPress(key);
    keys_.PostVKey(vk::kCtrl, true);
}

}  // namespace tavrin
