#include "control/capture_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "playback_rig.h"
#include "store/hot_key_codes.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
const std::string kFile = kStoreFolder + "\\KELDA.ZYN";
const std::string kCapFile = kStoreFolder + "\\TempCap.Txt";

class FakeCaptureHost : public CaptureHost {
public:
    Strings calls;
    // What "Capture Complete" does to the record; nothing is as a Cancel.
    std::function<void(MacroRecord&)> complete;
    bool browsing = false;
    bool Browsing() override { return browsing; }
    void ShowRecordingIcon(bool shown) override { calls.push_back(shown ? "icon on" : "icon off"); }
    void CaptureComplete(MacroRecord& record, const std::string& program) override {
        calls.push_back("complete " + record.MacroText + " in " + program);
        if (complete) complete(record);
    }
    void ShowMainWindow() override { calls.push_back("show"); }
    void RefreshMacroList(int select) override { calls.push_back("refresh " + std::to_string(select)); }
};

class CaptureControllerTest : public ::testing::Test, protected FakePlatform {
protected:
    Settings settings;
    MacroStore store = FakeStore(*this, settings.CurrentFile);
    FakeCaptureHost host;
    CaptureController capture{{files, fileSystem, desktop, hooks, ui, messages, clock},
                              store,
                              settings,
                              host,
                              kStoreFolder};

    void SetUp() override {
        files.contents[kFile];
        store.LoadMacroFile(kFile);  // the system macros only
        desktop.processes = {{9, "NOTEPAD.EXE"}};
        desktop.front = desktop.Add("Untitled - Notepad", 9);
    }
    uint16_t StopCode() const {
        for (int n = 1; n <= store.MacroCount(); ++n)
            if (store.Table().ScopeOf(n) == kScopeSystem && store.Table().ScopeNameOf(n) == "2")
                return store.Table().HotKeyOf(n);
        return 0;
    }
    std::string CapFile() {
        const std::vector<uint8_t>& b = files.contents[kCapFile];
        return std::string(b.begin(), b.end());
    }
    void Send(const std::string& text, int n) {
        for (char c : text) capture.OnText(static_cast<uint32_t>(n), static_cast<uint8_t>(c));
    }
    MacroRecord Record(int n) {
        MacroRecord r;
        EXPECT_TRUE(store.ReadMacro(n, r));
        return r;
    }
};

TEST_F(CaptureControllerTest, QuickCaptureAddsTheMacroAndHandsTheLibraryItsSetUp) {
    settings.CaptureSpeed = 2;
    const int before = store.MacroCount();
    hooks.calls.clear();
    capture.StartACapture();
    const int n = before + 1;
    ASSERT_EQ(store.MacroCount(), n);
    const MacroRecord r = Record(n);
    EXPECT_EQ(r.Nickname, "Capture");
    EXPECT_EQ(r.QuilletName, "capture");
    EXPECT_EQ(r.HotKey, kHotKeyQuillet);
    EXPECT_EQ(r.TopMostOnly, 1);
    EXPECT_EQ(CapFile(), "<SPEED:00002>") << "half speed, time captured";
    EXPECT_EQ(ui.messages, Strings{"Start Capture: Tavrin 99 macro capture will now start.\r\n\r\n"
                                   "Use " + HotKeyName(StopCode()) + " to stop the capture."});
    const CaptureSetup s = ReadCaptureSetup(store.Table());
    EXPECT_EQ(s.macro, n);
    const StopKey stop = StopKeyOf(StopCode());
    ASSERT_NE(stop.virtualKey, 0) << "the system macro has a key hot key";
    EXPECT_TRUE(IsStopKey(s.stop, stop.virtualKey, 0, stop.ctrl, stop.alt, stop.shift, stop.win));
    EXPECT_FALSE(s.altStopOn);
    EXPECT_EQ(store.Table().Byte(table::CaptureOn), 1);
    const std::string count = " count=" + std::to_string(n);
    ASSERT_GE(hooks.calls.size(), 2u);
    EXPECT_EQ(Strings(hooks.calls.end() - 2, hooks.calls.end()),
              (Strings{"ZynUpCapture" + count, "ZynUpCaptureOn" + count}));
    EXPECT_EQ(host.calls, (Strings{"refresh 0", "icon on"}));

    capture.StartACapture();
    EXPECT_EQ(ui.messages.back(), "Error: A capture is currently in progress.  Capture not allowed.");
    EXPECT_EQ(store.MacroCount(), n);
}

TEST_F(CaptureControllerTest, QuickCaptureRefusalsAndOptions) {
    settings.CapturePrompt = false;
    settings.CaptureTime = false;
    files.contents[kCapFile] = {'o', 'l', 'd'};
    capture.StartACapture();
    EXPECT_TRUE(ui.messages.empty()) << "no notice without Prompt";
    EXPECT_EQ(CapFile(), "") << "rewritten empty; no speed tag without the time";

    host.browsing = true;
    const int before = store.MacroCount();
    capture.StartACapture();
    EXPECT_EQ(ui.messages.back(), "Error: Capture not allowed in Browse Mode.");
    EXPECT_EQ(store.MacroCount(), before);
    host.browsing = false;

    store.Table().SetMacroCount(500);
    CaptureController full{{files, fileSystem, desktop, hooks, ui, messages, clock}, store,
                           settings, host, kStoreFolder};
    full.StartACapture();
    EXPECT_EQ(ui.messages.back(),
              "Error: Maximum number of macros has been reached.  Capture not allowed.");
}

TEST_F(CaptureControllerTest, ACaptureFileThatCannotBeMadeAddsNoMacro) {
    files.unopenable.insert(kCapFile);
    const int before = store.MacroCount();
    capture.StartACapture();
    EXPECT_EQ(store.MacroCount(), before);
    EXPECT_EQ(store.Table().Byte(table::CaptureOn), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("could not be written"), std::string::npos);
}

TEST_F(CaptureControllerTest, TheTextGoesIntoTheMacroOnceAndOnlyFromTheCapture) {
    settings.CaptureTime = false;
    settings.CapturePrompt = false;
    const int other = store.MacroCount();
    Send("lost", other);
    capture.OnEnded(static_cast<uint32_t>(other));
    EXPECT_TRUE(host.calls.empty()) << "nothing records: nothing changes";

    capture.StartACapture();
    const int n = store.MacroCount();
    Send("Hi<ENTER>", n);
    Send("x", other);  // names another macro
    capture.OnText(static_cast<uint32_t>(n), 0);
    EXPECT_EQ(CapFile(), "Hi<ENTER>");
    host.calls.clear();
    host.complete = [](MacroRecord& r) {
        r.QuilletName = "hw";
        r.Nickname = "Hello";
    };
    capture.OnEnded(static_cast<uint32_t>(other));
    EXPECT_TRUE(host.calls.empty()) << "the end of another macro's capture is not ours";
    capture.OnEnded(static_cast<uint32_t>(n));
    EXPECT_EQ(host.calls, (Strings{"icon off", "complete Hi<ENTER> in NOTEPAD.EXE", "show",
                                   "refresh " + std::to_string(n)}));
    EXPECT_EQ(store.Table().Byte(table::CaptureOn), 0);
    MacroRecord r = Record(n);
    EXPECT_EQ(r.MacroText, "Hi<ENTER>");
    EXPECT_EQ(r.QuilletName, "hw");
    EXPECT_EQ(store.QuilletOf(n), "hw");
    EXPECT_FALSE(files.Exists(kCapFile)) << "deleted once the record is written";

    host.calls.clear();
    Send("late", n);
    capture.OnEnded(static_cast<uint32_t>(n));
    EXPECT_TRUE(host.calls.empty()) << "a second end is ignored";
    EXPECT_EQ(Record(n).MacroText, "Hi<ENTER>");
    EXPECT_FALSE(files.Exists(kCapFile));

    capture.StartACapture();  // a quick capture may follow
    EXPECT_EQ(store.MacroCount(), n + 1);
    host.calls.clear();
    host.complete = nullptr;  // closed without Ok
    desktop.processes.push_back({4, "EXPLORER.EXE"});
    desktop.front = desktop.Add("", 4);  // the tray is clicked
    capture.EndFromTray();
    EXPECT_EQ(host.calls.front(), "icon off") << "the tray icon ends it as the stop key does";
    EXPECT_EQ(host.calls[1], "complete  in NOTEPAD.EXE") << "made where it began";
    r = Record(n + 1);
    EXPECT_EQ(r.MacroText, "");
    EXPECT_EQ(r.Nickname, "Capture");
    EXPECT_EQ(r.QuilletName, "capture");
}

TEST_F(CaptureControllerTest, TextOver5000CharactersGoesToTheNextFreeFile) {
    settings.CaptureTime = false;
    settings.CapturePrompt = false;
    capture.StartACapture();
    int n = store.MacroCount();
    Send(std::string(5000, 'a'), n);
    capture.OnEnded(static_cast<uint32_t>(n));
    EXPECT_EQ(Record(n).MacroText, std::string(5000, 'a')) << "exactly 5000 stays in the record";

    files.contents[kStoreFolder + "\\ZY0.TXT"] = {'k', 'e', 'e', 'p'};
    capture.StartACapture();
    n = store.MacroCount();
    const std::string text = std::string(5000, 'b') + "c";
    Send(text, n);
    capture.OnEnded(static_cast<uint32_t>(n));
    EXPECT_EQ(Record(n).MacroText, "<TFILE:C:\\TAVRIN\\ZY1.TXT>");
    const std::vector<uint8_t>& copy = files.contents[kStoreFolder + "\\ZY1.TXT"];
    EXPECT_EQ(std::string(copy.begin(), copy.end()), text);
    EXPECT_EQ(files.contents[kStoreFolder + "\\ZY0.TXT"], (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(files.Exists(kCapFile));
}

TEST_F(CaptureControllerTest, FailuresKeepTheCapturedTextAndWriteNothingHalfWay) {
    settings.CaptureTime = false;
    settings.CapturePrompt = false;
    capture.StartACapture();
    int n = store.MacroCount();
    Send(std::string(5001, 'z'), n);
    files.writesUntilFailure = 0;  // the record cannot be written
    capture.OnEnded(static_cast<uint32_t>(n));
    files.writesUntilFailure = -1;
    EXPECT_TRUE(files.Exists(kCapFile)) << "the text is kept in the capture file";
    EXPECT_FALSE(files.Exists(kStoreFolder + "\\ZY0.TXT")) << "no copy that no macro plays";
    EXPECT_EQ(Record(n).MacroText, "");
    EXPECT_FALSE(messages.shown.empty());
    EXPECT_EQ(store.Table().Byte(table::CaptureOn), 0);

    messages.shown.clear();
    capture.StartACapture();
    n = store.MacroCount();
    Send("ab", n);
    files.unopenable.insert(kCapFile);  // the disk is gone
    Send("cd", n);
    EXPECT_EQ(messages.shown.size(), 1u) << "said once";
    files.unopenable.clear();
    capture.OnEnded(static_cast<uint32_t>(n));
    EXPECT_EQ(Record(n).MacroText, "") << "a text with a gap is not stored as the macro";
    EXPECT_EQ(CapFile(), "ab");
}

}  // namespace
}  // namespace tavrin

namespace tavrin {
namespace {

TEST_F(CaptureControllerTest, RecaptureOfAMacroWithItsOwnHotKey) {
    MacroRecord m;
    m.Nickname = "old";
    m.MacroText = "old text";
    m.HotKey = 157;  // Ctrl+Alt+N
    m.Scope = kScopeWindow;
    m.ScopeName = "Note";
    ASSERT_TRUE(store.AppendMacro(m));
    const int n = store.MacroCount();
    EXPECT_EQ(capture.RecaptureRefusal(0), "No hot key selected.  Please select one.");
    EXPECT_EQ(capture.RecaptureRefusal(n), "");

    CaptureRequest r;
    r.macro = n;
    r.nickname = "new";
    r.speed = 4;
    r.programScope = true;
    ASSERT_TRUE(capture.StartCaptureOf(r));
    EXPECT_FALSE(capture.Recording()) << "not before the window to record in is in front";
    capture.StartRecording();
    EXPECT_EQ(CapFile(), "<SPEED:00.25>");
    EXPECT_EQ(capture.RecaptureRefusal(n), "A capture is currently in progress.  Capture not allowed.");
    const CaptureSetup s = ReadCaptureSetup(store.Table());
    EXPECT_TRUE(s.altStopOn);
    EXPECT_TRUE(IsStopKey(s.altStop, 'N', 0, true, true, false, false));
    EXPECT_EQ(Record(n).Nickname, "new");

    Send("x", n);
    capture.OnEnded(static_cast<uint32_t>(n));
    const MacroRecord after = Record(n);
    EXPECT_EQ(after.MacroText, "<SPEED:00.25>x");
    EXPECT_EQ(after.Scope, kScopeProgram);
    EXPECT_EQ(after.ScopeName, "NOTEPAD.EXE");
    EXPECT_EQ(ui.messages.back(), "Capture: Tavrin 99 capture is complete for Ctrl+Alt+N.");
    EXPECT_FALSE(std::count(host.calls.begin(), host.calls.end(), "complete <SPEED:00.25>x in NOTEPAD.EXE"))
        << "no Capture Complete dialog after a recapture";
}

TEST_F(CaptureControllerTest, ARecaptureCannotStartOverAQuickCapture) {
    MacroRecord m;
    m.Nickname = "old";
    m.HotKey = 157;
    ASSERT_TRUE(store.AppendMacro(m));
    const int n = store.MacroCount();
    // The "Capture Macro" dialog is open when the quick capture key comes.
    capture.StartACapture();
    Send("ab", store.MacroCount());
    const std::string captured = CapFile();
    CaptureRequest r;
    r.macro = n;
    r.nickname = "new";
    EXPECT_FALSE(capture.StartCaptureOf(r));
    EXPECT_EQ(ui.messages.back(), "Error: A capture is currently in progress.  Capture not allowed.");
    EXPECT_EQ(CapFile(), captured) << "the quick capture's text is kept";
    EXPECT_EQ(Record(n).Nickname, "old");
}

}  // namespace
}  // namespace tavrin
