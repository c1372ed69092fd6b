#include "ui/command_dialogs.h"

#include "language/tag_recogniser.h"
#include "ui/audio_cd_dialog.h"
#include "ui/clipboard_dialog.h"
#include "ui/file_manipulation_dialog.h"
#include "ui/load_text_file_dialog.h"
#include "ui/open_explorer_dialog.h"
#include "ui/play_video_dialog.h"
#include "ui/set_sound_dialog.h"
#include "ui/web_address_dialog.h"

namespace tavrin {

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    const bool fresh = editTag.empty();
    switch (id) {
    case CommandDialogId::FileManipulation: {
        FileManipulationFields fields =
            fresh ? NewFileManipulationFields()
                  : FileManipulationFieldsOf(FileManipulationValuesOf(Recognise(editTag, 0)));
        if (fresh && kind != 0) fields.Kind = kind;
        FileManipulationDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::Clipboard: {
        ClipboardFields fields =
            fresh ? NewClipboardFields() : ClipboardFieldsOf(ClipboardValuesOf(Recognise(editTag, 0)));
        if (fresh && kind != 0) fields.Kind = kind;
        ClipboardDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::WebSite:
    case CommandDialogId::WebFtp: {
        const bool ftp = id == CommandDialogId::WebFtp;
        const WebAddressFields fields =
            fresh ? NewWebAddressFields(ftp)
                  : WebAddressFieldsOf(WebAddressValuesOf(Recognise(editTag, 0)));
        WebAddressDialog dialog(fields, ftp);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::OpenExplorer: {
        const OpenExplorerFields fields =
            fresh ? NewOpenExplorerFields()
                  : OpenExplorerFieldsOf(OpenExplorerValuesOf(Recognise(editTag, 0)));
        OpenExplorerDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::VideoClip: {
        PlayVideoFields fields =
            fresh ? NewPlayVideoFields() : PlayVideoFieldsOf(PlayVideoValuesOf(Recognise(editTag, 0)));
        if (fresh && kind != 0) fields.Kind = kind;
        PlayVideoDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::AudioCd: {
        AudioCdFields fields =
            fresh ? NewAudioCdFields() : AudioCdFieldsOf(AudioCdValuesOf(Recognise(editTag, 0)));
        if (fresh && kind != 0) fields.Kind = kind;
        AudioCdDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::SetSound: {
        SetSoundFields fields =
            fresh ? NewSetSoundFields() : SetSoundFieldsOf(SetSoundValuesOf(Recognise(editTag, 0)));
        if (fresh && kind != 0) fields.Kind = kind;
        SetSoundDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    case CommandDialogId::LoadTextFile: {
        const LoadTextFileFields fields =
            fresh ? NewLoadTextFileFields()
                  : LoadTextFileFieldsOf(LoadTextFileValuesOf(Recognise(editTag, 0)));
        LoadTextFileDialog dialog(fields);
        dialog.Create(owner);
        return dialog.ResultText();
    }
    default:
        break;
    }
    return "";
}

}  // namespace tavrin
