#include "control/capture_controller.h"

#include "base/day_number.h"
#include "language/tag_writer.h"
#include "store/hot_key_codes.h"
#include "store/hot_key_flags.h"
#include "triggers/front_program.h"

namespace tavrin {
namespace {

constexpr const char* kError = "Error";
constexpr size_t kMaxScopeName = 30;

// The first system macro "2" (Start / Stop Capture), or 0.
int CaptureSystemMacro(const MacroTable& t) {
    for (int n = 1; n <= t.MacroCount(); ++n)
        if (t.ScopeOf(n) == kScopeSystem && t.ScopeNameOf(n) == "2") return n;
    return 0;
}

}  // namespace

CaptureController::CaptureController(const CapturePlatform& platform, MacroStore& store,
                                     Settings& settings, CaptureHost& host,
                                     std::string programFolder)
    : platform_(platform),
      store_(store),
      settings_(settings),
      host_(host),
      folder_(std::move(programFolder)) {}

bool CaptureController::Recording() const { return store_.Table().Byte(table::CaptureOn) != 0; }

void CaptureController::StartACapture() {
    PlaybackUi& ui = platform_.ui;
    if (host_.Browsing()) {
        ui.ShowNotice(kError, "Capture not allowed in Browse Mode.");
        return;
    }
    if (quick_) {
        ui.ShowNotice(kError, "A capture is currently in progress.  Capture not allowed.");
        return;
    }
    if (store_.MacroCount() >= static_cast<int>(kMaxMacros)) {
        ui.ShowNotice(kError, "Maximum number of macros has been reached.  Capture not allowed.");
        return;
    }
    const CaptureOptions options = CaptureOptionsOf(settings_);
    // The capture file comes first: a capture that cannot be kept adds no
    // macro.
    if (!RewriteCaptureFile(options, settings_.CaptureSpeed)) return;
    completing_ = false;

    MacroRecord r;
    r.Active = 1;
    r.Nickname = "Capture";
    r.Scope = kScopeGlobal;
    r.TopMostOnly = 1;
    r.QuilletName = "capture";
    r.HotKey = kHotKeyQuillet;
    r.LastModified = ToDayNumber(platform_.clock.Now());
    if (!store_.AppendMacro(r)) return;
    host_.RefreshMacroList(0);

    frontProgram_ = ProgramOfWindow(platform_.desktop, platform_.desktop.Foreground());
    CaptureSetup setup;
    setup.macro = static_cast<uint16_t>(store_.MacroCount());
    setup.options = options;
    uint16_t stopCode = 0;
    setup.stop = SystemStopKey(stopCode);
    quick_ = true;
    programScope_ = false;
    // The library has the setup before the notice goes, so that recording
    // begins the moment the user closes it.
    Publish(setup);
    if (settings_.CapturePrompt)
        ui.ShowNotice("Start Capture", "Tavrin 99 macro capture will now start.\r\n\r\nUse " +
                                           HotKeyName(stopCode) + " to stop the capture.");
    StartRecording();
}

StopKey CaptureController::SystemStopKey(uint16_t& code) const {
    const int system = CaptureSystemMacro(store_.Table());
    code = system != 0 ? store_.Table().HotKeyOf(system) : kHotKeyNone;
    return StopKeyOf(code);
}

std::string CaptureController::RecaptureRefusal(int n) const {
    if (store_.MacroCount() == 0) return "No hot keys have been added yet.  Please add one first.";
    if (n < 1 || n > store_.MacroCount()) return "No hot key selected.  Please select one.";
    if (quick_ || Recording()) return "A capture is currently in progress.  Capture not allowed.";
    return "";
}

bool CaptureController::StartCaptureOf(const CaptureRequest& request) {
    // A quick capture may have begun while the "Capture Macro" dialog was open.
    if (quick_ || Recording()) {
        platform_.ui.ShowNotice(kError, "A capture is currently in progress.  Capture not allowed.");
        return false;
    }
    const int n = request.macro;
    MacroRecord r;
    if (!RewriteCaptureFile(request.options, request.speed) || !store_.ReadMacro(n, r))
        return false;
    r.Nickname = request.nickname.substr(0, 50);
    r.Scope = kScopeGlobal;
    r.ScopeName.clear();
    r.TopMostOnly = 0;
    if (!store_.WriteMacro(n, r)) return false;
    completing_ = false;
    programScope_ = request.programScope;
    CaptureSetup setup;
    setup.macro = static_cast<uint16_t>(n);
    setup.options = request.options;
    uint16_t stopCode = 0;
    setup.stop = SystemStopKey(stopCode);
    // The macro's own hot key ends its capture too.
    setup.altStopOn = r.HotKey < kHotKeyCodes;
    if (setup.altStopOn) setup.altStop = StopKeyOf(r.HotKey);
    Publish(setup);
    return true;
}

void CaptureController::Publish(CaptureSetup setup) {
    MacroTable& t = store_.Table();
    writeFailed_ = false;
    WriteCaptureSetup(t, setup);
    platform_.hooks.ZynUpCapture(t);
}

void CaptureController::StartRecording() {
    // A quick capture took it before its notice could come in front.
    if (!quick_) frontProgram_ = ProgramOfWindow(platform_.desktop, platform_.desktop.Foreground());
    MacroTable& t = store_.Table();
    t.SetByte(table::CaptureOn, 1);
    platform_.hooks.ZynUpCaptureOn(t);
    host_.ShowRecordingIcon(true);
}

bool CaptureController::RewriteCaptureFile(const CaptureOptions& options, int speed) {
    const std::string path = CaptureFilePath();
    Files& files = platform_.files;
    std::unique_ptr<OpenFile> f = files.Exists(path) ? files.Open(path, FileAccess::ReadWrite)
                                                     : files.Open(path, FileAccess::CreateEmpty);
    const std::string tag = options.time ? CaptureSpeedTag(speed) : "";
    const auto* bytes = reinterpret_cast<const uint8_t*>(tag.data());
    if (!f || !f->Truncate(0) || !f->Seek(0) || (!tag.empty() && !f->Write(bytes, tag.size()))) {
        IoError("The capture file " + path + " could not be written.  Capture not allowed.");
        return false;
    }
    return true;
}

bool CaptureController::Append(const std::string& text) {
    std::unique_ptr<OpenFile> f = platform_.files.Open(CaptureFilePath(), FileAccess::ReadWrite);
    uint64_t size = 0;
    return f && f->Size(size) && f->Seek(size) &&
           f->Write(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void CaptureController::OnText(uint32_t macro, uint32_t character) {
    // Only the capture that records now takes text, and none once its end
    // is being processed.
    const MacroTable& t = store_.Table();
    if (!Recording() || completing_ || macro != t.U16(table::CaptureMacro)) return;
    const char c = static_cast<char>(character & 0xFF);
    if (c == '\0' || writeFailed_) return;
    if (!Append(std::string(1, c))) {
        writeFailed_ = true;
        IoError("The capture file " + CaptureFilePath() +
                " could not be written.  The rest of this capture is lost.");
    }
}

// The shell is in front when its tray icon is clicked: the program the
// capture began in is the one it was made in.
void CaptureController::EndFromTray() {
    if (Recording()) End(store_.Table().U16(table::CaptureMacro), frontProgram_);
}

void CaptureController::OnEnded(uint32_t macro) {
    End(macro, ProgramOfWindow(platform_.desktop, platform_.desktop.Foreground()));
}

void CaptureController::End(uint32_t macro, const std::string& program) {
    MacroTable& t = store_.Table();
    // A second report of the end, or one while nothing records, changes
    // nothing.
    if (completing_ || !Recording() || macro != t.U16(table::CaptureMacro)) return;
    completing_ = true;
    const int n = static_cast<int>(macro);
    host_.ShowRecordingIcon(false);
    t.SetByte(table::CaptureOn, 0);
    platform_.hooks.ZynUpCaptureOn(t);

    MacroRecord record;
    std::string text, overflow;
    bool kept = !writeFailed_ && store_.ReadMacro(n, record) && TakeText(text, overflow);
    if (kept) {
        record.MacroText = text;
        record.LastModified = ToDayNumber(platform_.clock.Now());
        if (quick_) {
            host_.CaptureComplete(record, program);
        } else if (programScope_) {
            record.Scope = kScopeProgram;
            record.ScopeName = program.substr(0, kMaxScopeName);
            record.TopMostOnly = 1;
        }
        kept = store_.WriteMacro(n, record);
        if (kept) {
            platform_.fileSystem.RemoveFile(CaptureFilePath());
        } else if (!overflow.empty()) {
            platform_.fileSystem.RemoveFile(overflow);
        }
        SetHotKeys(t, platform_.hooks);
    }
    if (!kept) {
        IoError("The captured text was not stored in the macro.  It is kept in the file " +
                CaptureFilePath() + ".");
    }
    host_.ShowMainWindow();
    if (kept && !quick_) {
        const std::string trigger = record.HotKey == kHotKeyQuillet
                                        ? "Quillet: " + record.QuilletName
                                        : HotKeyName(record.HotKey);
        platform_.ui.ShowNotice("Capture", "Tavrin 99 capture is complete for " + trigger + ".");
    }
    quick_ = false;
    host_.RefreshMacroList(n);
}

bool CaptureController::TakeText(std::string& text, std::string& overflow) {
    Files& files = platform_.files;
    const std::string path = CaptureFilePath();
    uint64_t size = 0;
    {
        std::unique_ptr<OpenFile> f = files.Open(path, FileAccess::ReadOnly);
        if (!f || !f->Size(size)) {
            IoError("The capture file " + path + " could not be read.");
            return false;
        }
        if (size <= kLongestText) {
            text.assign(static_cast<size_t>(size), '\0');
            if (size > 0 && (!f->Seek(0) || !f->Read(reinterpret_cast<uint8_t*>(&text[0]),
                                                     static_cast<size_t>(size)))) {
                IoError("The capture file " + path + " could not be read.");
                return false;
            }
            // The text ends at a NUL, as the record keeps it.
            text = text.c_str();
            return true;
        }
    }
    // Too long for a macro: the whole text goes to the next free "ZY<i>.TXT",
    // which the macro plays.
    int i = 0;
    while (files.Exists(folder_ + "\\ZY" + std::to_string(i) + ".TXT")) ++i;
    const std::string copy = folder_ + "\\ZY" + std::to_string(i) + ".TXT";
    platform_.fileSystem.CopyReplacing(path, copy);
    std::unique_ptr<OpenFile> c = files.Open(copy, FileAccess::ReadOnly);
    uint64_t copied = 0;
    if (!c || !c->Size(copied) || copied != size) {
        c.reset();
        platform_.fileSystem.RemoveFile(copy);
        IoError("The captured text could not be copied to " + copy + ".");
        return false;
    }
    TagFields f;
    f.Texts[0] = copy;
    text = WriteTag(TagKind::TextFile, f);
    overflow = copy;
    return true;
}

void CaptureController::IoError(const std::string& text) {
    platform_.messages.ShowMessage(kError, text);
}

}  // namespace tavrin
