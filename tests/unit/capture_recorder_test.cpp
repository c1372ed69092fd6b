#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "capture/capture_recorder.h"
#include "capture/capture_setup.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;

constexpr uint32_t kLShift = 0xA0, kLCtrl = 0xA2, kLAlt = 0xA4, kRAlt = 0xA5, kLWin = 91;

// The modifiers held at each press of another key, and the key: "CS+65" is
// Ctrl and Shift held while A went down. Key events of the user and of the
// player alike are brought to this form, so a capture plays back as what
// the user did when both give the same list.
class Presses {
public:
    void Key(uint32_t key, bool down) {
        const char m = ModifierLetter(key);
        if (m != 0) {
            if (down) held_ += m; else held_.erase(held_.find(m), 1);
            return;
        }
        if (!down) return;
        std::string mods;
        for (char c : std::string("CASW"))
            if (held_.find(c) != std::string::npos) mods += c;
        list.push_back(mods + "+" + std::to_string(key));
    }
    Strings list;

private:
    static char ModifierLetter(uint32_t key) {
        switch (key) {
        case 16: case 0xA0: case 0xA1: return 'S';
        case 17: case 0xA2: case 0xA3: return 'C';
        case 18: case 0xA4: case 0xA5: return 'A';
        case 91: case 92: return 'W';
        default: return 0;
        }
    }
    std::string held_;
};

// A user at a US keyboard, recorded as he types.
class Typist {
public:
    explicit Typist(const CaptureOptions& options = {}) : recorder(options, {0, 0}) {}

    void Down(uint32_t key, char typed = 0, char unshifted = 0, char before = 0) {
        Send({key, true, time, typed, false, unshifted, before});
    }
    // A dead key, which types nothing yet.
    void Dead(uint32_t key) {
        Send({key, true, time, 0, true, 0});
        Up(key);
    }
    void Up(uint32_t key) { Send({key, false, time, 0, false, 0}); }
    void Press(uint32_t key, char typed = 0, char unshifted = 0) {
        Down(key, typed, unshifted);
        Up(key);
    }
    // One character, with Shift around it when it needs it.
    void Type(char c) {
        uint32_t key = 0;
        char base = c;
        bool shift = false;
        if (std::islower(static_cast<unsigned char>(c))) {
            key = static_cast<uint32_t>(std::toupper(c));
        } else if (std::isupper(static_cast<unsigned char>(c))) {
            key = static_cast<uint32_t>(c);
            base = static_cast<char>(std::tolower(c));
            shift = true;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == ' ') {
            key = static_cast<uint32_t>(c);
        } else {
            const struct { char c; uint32_t key; char base; } kPunctuation[] = {
                {'!', '1', '1'}, {'.', 190, '.'}, {'<', 188, ','}, {'>', 190, '.'}};
            for (const auto& p : kPunctuation)
                if (p.c == c) { key = p.key; base = p.base; shift = p.c != p.base; }
        }
        ASSERT_NE(key, 0u) << c;
        if (shift) Down(kLShift);
        Press(key, c, base);
        if (shift) Up(kLShift);
    }
    void Text(const std::string& s) {
        for (char c : s) Type(c);
    }
    void Wait(uint32_t ms) { time += ms; }

    std::string Finish() {
        text += recorder.Finish();
        return text;
    }

    CaptureRecorder recorder;
    std::string text;
    Presses user;
    uint32_t time = 5000;

private:
    void Send(const CapturedKey& k) {
        user.Key(k.virtualKey, k.down);
        text += recorder.OnKey(k);
    }
};

class CaptureRecorderTest : public ::testing::Test, protected PlaybackRig {
protected:
    // The presses playing text gives, and every event in played.
    Strings Played(const std::string& text) {
        input.events.clear();
        EXPECT_TRUE(player.PlayTopLevel(text));
        played = input.events;
        Presses p;
        for (const std::string& e : input.events) {
            if (e.compare(0, 5, "down ") == 0) p.Key(std::stoul(e.substr(5)), true);
            if (e.compare(0, 3, "up ") == 0) p.Key(std::stoul(e.substr(3)), false);
        }
        return p.list;
    }
    void ExpectPlaysBack(Typist& t) {
        const std::string text = t.Finish();
        EXPECT_EQ(Played(text), t.user.list) << text;
    }
    Strings played;
};

TEST_F(CaptureRecorderTest, CharactersAreTextAndPlayBackWithTheirShiftStates) {
    Typist t;
    t.Text("Hello World! 42.");
    EXPECT_EQ(t.Finish(), "Hello World! 42.") << "Shift leaves no tag of its own";
    ExpectPlaysBack(t);

    Typist shiftHeld;  // Shift held over several capitals, let go after the last key
    shiftHeld.Down(kLShift);
    shiftHeld.Press('A', 'A', 'a');
    shiftHeld.Press('B', 'B', 'b');
    shiftHeld.Up(kLShift);
    shiftHeld.Press('C', 'c', 'c');
    EXPECT_EQ(shiftHeld.Finish(), "ABc");
    ExpectPlaysBack(shiftHeld);
}

TEST_F(CaptureRecorderTest, KeysWithATagAreWrittenAsTheTag) {
    Typist t;
    t.Press(13, '\r');
    t.Press(9, '\t');
    t.Press(8, '\b');
    t.Press(27, 27);
    t.Press(112);  // F1
    t.Press(135);  // F24
    t.Press(37);
    t.Press(38);
    t.Press(39);
    t.Press(40);
    t.Press(36);
    t.Press(35);
    t.Press(45);
    t.Press(46);
    t.Press(33);
    t.Press(34);
    t.Press(96, '0');   // keypad 0, Num Lock on
    t.Press(107, '+');  // keypad plus
    t.Press(93);        // application key
    EXPECT_EQ(t.Finish(),
              "<ENTER><TAB><BACKSPACE><ESC><F1><F24><LEFT ARROW><UP ARROW><RIGHT ARROW>"
              "<DOWN ARROW><HOME><END><INSERT><DELETE><PAGE UP><PAGE DOWN><KEYP0><KEYP+><APP>");
    ExpectPlaysBack(t);

    Typist caps;  // Caps Lock is in the case of the characters
    caps.Press(20);
    caps.Press('A', 'A', 'a');
    caps.Press(20);
    EXPECT_EQ(caps.Finish(), "A");
    EXPECT_EQ(Played(caps.text), Strings{"S+65"}) << "the same capital, with Caps Lock off";
}

TEST_F(CaptureRecorderTest, CombinationsHoldTheirModifiersInAnyOrder) {
    Typist t;
    t.Down(kLCtrl);
    t.Press(36);  // Ctrl+Home
    t.Up(kLCtrl);
    t.Text("x");
    EXPECT_EQ(t.Finish(), "<CTLD><HOME><CTLU>x");
    ExpectPlaysBack(t);

    Typist mixed;  // Ctrl+Shift+A, Ctrl let go first, then Shift+B
    mixed.Down(kLCtrl);
    mixed.Down(kLShift);
    mixed.Down('A', 1, 'a');
    mixed.Up(kLCtrl);
    mixed.Up('A');
    mixed.Press('B', 'B', 'b');
    mixed.Up(kLShift);
    mixed.Down(kLShift);  // Shift+Tab, Shift+F5
    mixed.Press(9);
    mixed.Press(116);
    mixed.Up(kLShift);
    EXPECT_EQ(mixed.Finish(), "<CTLD><SHFD>a<CTLU><SHFU>B<SHFD><TAB><F5><SHFU>");
    ExpectPlaysBack(mixed);

    Typist menu;  // Alt+F then a letter of the menu, Alt let go before the letter
    menu.Down(kLAlt);
    menu.Press('F', 0, 'f');
    menu.Up(kLAlt);
    menu.Press('S', 's', 's');
    menu.Down(kLAlt);  // Ctrl+Alt+Delete pressed Alt first, Ctrl let go last
    menu.Down(kLCtrl);
    menu.Press(46);
    menu.Up(kLAlt);
    menu.Up(kLCtrl);
    menu.Down(kLWin);  // Win+E
    menu.Press('E', 'e', 'e');
    menu.Up(kLWin);
    EXPECT_EQ(menu.Finish(), "<ALTD>f<ALTU>s<CTLD><ALTD><DELETE><ALTU><CTLU><WIND>e<WINU>");
    ExpectPlaysBack(menu);

    Typist altGr;  // AltGr is Ctrl and right Alt: its character is text
    altGr.Down(kLCtrl);
    altGr.Down(kRAlt);
    altGr.Press('Q', '@', 'q');
    altGr.Up(kRAlt);
    altGr.Up(kLCtrl);
    EXPECT_EQ(altGr.Finish(), "@");
    ExpectPlaysBack(altGr);

    Typist heldAtEnd;  // the capture ends with Ctrl still down
    heldAtEnd.Down(kLCtrl);
    heldAtEnd.Press('C', 3, 'c');
    EXPECT_EQ(heldAtEnd.Finish(), "<CTLD>c<CTLU>") << "the text lets go of what it pressed";
}

TEST_F(CaptureRecorderTest, TextThatWouldSpellATagStaysText) {
    Typist t;
    t.Text("<TAB> <ENTER>");
    t.Text("a<b <<F1>");
    const std::string text = t.Finish();
    EXPECT_EQ(text, "<<REM:>TAB> <<REM:>ENTER>a<b <<<REM:>F1>");
    ExpectPlaysBack(t);
}

TEST_F(CaptureRecorderTest, CharactersAbove127AndKeysWithoutAForm) {
    Typist t;
    t.Press(0xDE, '\xE9', '\'');  // a key of the layout typing e acute
    EXPECT_EQ(t.Finish(), "\xE9");
    Played(t.text);
    EXPECT_EQ(played, (Strings{"unicode \xE9"})) << "typed back as the character itself";

    Typist lost;  // a browser key, Ctrl and a key of a letter beyond ASCII
    lost.Press(0xA6);
    lost.Down(kLCtrl);
    lost.Press(0xC0, 0, '\xF6');  // the o umlaut key of a German layout
    lost.Up(kLCtrl);
    lost.Text("a");
    EXPECT_EQ(lost.Finish(), "a");
}

TEST_F(CaptureRecorderTest, ADeadKeyComesWithTheKeyAfterIt) {
    Typist t;  // the international layout: ' is a dead key
    t.Dead(0xDE);
    t.Press('E', '\xE9', 'e');  // composed: e acute
    t.Dead(0xDE);
    t.Down('T', 't', 't', '\'');  // nothing to compose: both
    t.Up('T');
    t.Text("s");
    EXPECT_EQ(t.Finish(), "\xE9't" "s");
    Played(t.text);
    EXPECT_EQ(played.front(), "unicode \xE9") << "e acute as the character itself";
}

TEST_F(CaptureRecorderTest, LoneAltIsTheMenuBarByTheDoubleAltRule) {
    Typist t;
    t.Press(kLAlt);
    t.Press('F', 'f', 'f');
    t.Down(kLAlt);
    t.Press('X', 0, 'x');
    t.Up(kLAlt);
    t.Press(kLWin);
    EXPECT_EQ(t.Finish(), "<ALT><ALT>f<ALTD>x<ALTU><LEFTWIN>");
    Played("<ALT><ALT>");
    EXPECT_EQ(played, (Strings{"down 18", "up 18"}));

    CaptureOptions off;
    off.doubleAlt = false;
    Typist noMenus(off);
    noMenus.Press(kRAlt);
    noMenus.Press('F', 'f', 'f');
    EXPECT_EQ(noMenus.Finish(), "f");

    Typist hotKey;  // Alt held with a hot key that was kept out of the text
    hotKey.Down(kLAlt);
    hotKey.recorder.KeyKeptOut();
    hotKey.Up(kLAlt);
    EXPECT_EQ(hotKey.Finish(), "");

    CaptureOptions noKeys;
    noKeys.keys = false;
    Typist mouseOnly(noKeys);
    mouseOnly.Text("Ab");
    mouseOnly.Press(13);
    mouseOnly.Press(kLAlt);
    EXPECT_EQ(mouseOnly.Finish(), "");
}

TEST_F(CaptureRecorderTest, PausesAreDelaysThatTheSpeedTagScales) {
    Typist t;
    t.Wait(3000);
    t.Type('a');  // the wait before the first action is not kept
    t.Wait(300);
    t.Type('b');
    t.Wait(CaptureRecorder::kShortestDelay - 1);
    t.Type('c');
    t.Wait(12345);
    t.Type('d');
    t.Wait(150000);
    t.Type('e');
    EXPECT_EQ(t.Finish(),
              "a<MSD:0300>bc<DELAY:12.34>d<DELAY:99.99><DELAY:50.01>e");

    const struct { int speed; const char* tag; uint64_t wait; } kSpeeds[] = {
        {1, "<SPEED:00001>", 300}, {2, "<SPEED:00002>", 600},
        {3, "<SPEED:00.50>", 150}, {4, "<SPEED:00.25>", 75}};
    for (const auto& s : kSpeeds) {
        EXPECT_EQ(CaptureSpeedTag(s.speed), s.tag);
        pump.waits.clear();
        Played(CaptureSpeedTag(s.speed) + "a<MSD:0300>b");
        EXPECT_EQ(pump.waits, (std::vector<uint64_t>{s.wait})) << s.tag;
        EXPECT_EQ(TypedKeys(played), "ab");
    }
    EXPECT_EQ(CaptureSpeedTag(0), "");
    EXPECT_EQ(CaptureSpeedTag(5), "");

    CaptureOptions untimed;
    untimed.time = false;
    Typist fast(untimed);
    fast.Type('a');
    fast.Wait(5000);
    fast.Type('b');
    EXPECT_EQ(fast.Finish(), "ab");
}

// Mouse events of one window at (wx, wy), 400 by 300.
struct Pointer {
    CaptureRecorder& r;
    uint64_t window = 7;
    int wx = 50, wy = 60;
    uint32_t time = 1000;
    std::string text;

    void Event(CapturedMouse::Kind kind, int button, int x, int y, int wheel = 0) {
        CapturedMouse m;
        m.kind = kind;
        m.button = button;
        m.wheelDelta = wheel;
        m.at = {x, y};
        m.window = {window, wx, wy, 400, 300};
        m.time = time;
        text += r.OnMouse(m);
    }
    void Click(int button, int x, int y) {
        Event(CapturedMouse::Down, button, x, y);
        Event(CapturedMouse::Up, button, x, y);
    }
};

TEST_F(CaptureRecorderTest, ClicksAtTheirPlacesRelativeToScreenWindowOrLastPosition) {
    CaptureOptions screen;
    screen.time = false;
    CaptureRecorder r1(screen, {0, 0});
    Pointer p{r1};
    p.Event(CapturedMouse::Move, 0, 10, 10);  // clicks only: moves are not kept
    p.Click(1, 300, 400);
    p.time += 2000;
    p.Click(1, 300, 400);  // the same place again: no second move
    p.time += 2000;
    p.Click(2, 310, 400);
    p.text += r1.Finish();
    EXPECT_EQ(p.text, "<MMS:00300,00400><LCLK><LCLK><MMS:00310,00400><RCLK>");
    Played(p.text);
    const std::string move = "mouse 32769 " + std::to_string(int(300 * 65535.0 / 1024)) + " " +
                             std::to_string(int(400 * 65535.0 / 768)) + " 0";
    EXPECT_EQ(played.front(), move);
    EXPECT_EQ(played[1], "mouse 2 0 0 0");
    EXPECT_EQ(played[2], "mouse 4 0 0 0");

    CaptureOptions window = screen;
    window.relative = CaptureRelative::Window;
    CaptureRecorder r2(window, {0, 0});
    Pointer w{r2};
    w.Click(1, 150, 260);  // window at (50, 60)
    w.window = 8;
    w.wx = -20;
    w.Click(1, 30, 100);
    EXPECT_EQ(w.text, "<MMW:00100,00200><LCLK><MMW:00050,00040>") << "a click waits to be a double";
    w.text += r2.Finish();
    EXPECT_EQ(w.text, "<MMW:00100,00200><LCLK><MMW:00050,00040><LCLK>");
    input.foreground = {200, 100};  // the window has moved when it plays
    Played(w.text);
    EXPECT_EQ(played.front(), "mouse 32769 " + std::to_string(int(300 * 65535.0 / 1024)) + " " +
                                  std::to_string(int(300 * 65535.0 / 768)) + " 0")
        << "the click lands on the same place of the window";

    window.windowSize = true;
    CaptureRecorder r3(window, {0, 0});
    Pointer sized{r3};
    sized.Click(1, 150, 260);
    sized.Click(3, 160, 260);
    sized.window = 9;
    sized.Click(1, 150, 260);
    sized.text += r3.Finish();
    EXPECT_EQ(sized.text,
              "<WSIZE:0400,0300\"CURRENT\"><MMW:00100,00200><LCLK><MMW:00110,00200><MCLK>"
              "<WSIZE:0400,0300\"CURRENT\"><MMW:00100,00200><LCLK>")
        << "each window clicked in is sized once";

    CaptureOptions last = screen;
    last.relative = CaptureRelative::LastPosition;
    CaptureRecorder r4(last, {500, 500});
    Pointer rel{r4};
    rel.Click(1, 510, 480);
    rel.time += 1000;
    rel.Click(1, 400, 480);
    rel.text += r4.Finish();
    EXPECT_EQ(rel.text, "<MMP:00010,-0020><LCLK><MMP:-0110,00000><LCLK>");
}

TEST_F(CaptureRecorderTest, DoubleClicksDragsWheelAndMoves) {
    CaptureOptions o;
    CaptureRecorder r(o, {0, 0});
    Pointer p{r};
    p.Click(1, 100, 100);
    p.time += 200;
    p.Click(1, 100, 100);
    p.time += 1000;
    p.Event(CapturedMouse::Down, 1, 200, 200);  // a drag
    p.time += 500;
    p.Event(CapturedMouse::Up, 1, 260, 220);
    p.time += 100;
    p.Event(CapturedMouse::Wheel, 0, 260, 220, -240);
    p.Event(CapturedMouse::Wheel, 0, 260, 220, 60);
    p.Event(CapturedMouse::Wheel, 0, 260, 220, 60);
    p.Event(CapturedMouse::Up, 2, 260, 220);  // a release whose press was not seen
    p.text += r.Finish();
    EXPECT_EQ(p.text,
              "<MMS:00100,00100><LDCLK><MSD:1200><MMS:00200,00200><LDN><MSD:0500>"
              "<MMS:00260,00220><LUP><MSD:0100><WBW:002><WFW:001>");

    CaptureOptions moves;
    moves.clicksOnly = false;
    moves.time = false;
    CaptureRecorder m(moves, {0, 0});
    Pointer q{m};
    for (int i = 1; i <= 5; ++i) {
        q.time += 40;
        q.Event(CapturedMouse::Move, 0, 10 * i, 10);
    }
    q.Click(1, 50, 10);
    q.text += m.Finish();
    EXPECT_EQ(q.text, "<MMS:00010,00010><MMS:00040,00010><MMS:00050,00010><LCLK>")
        << "at most one move in each 100 ms, the last before the click";

    CaptureOptions noMouse;
    noMouse.mouse = false;
    CaptureRecorder n(noMouse, {0, 0});
    Pointer none{n};
    none.Click(1, 5, 5);
    EXPECT_EQ(none.text + n.Finish(), "");
}

TEST_F(CaptureRecorderTest, ModifiedClicksAndKeysBetweenClicks) {
    CaptureOptions o;
    o.time = false;
    Typist t(o);
    Pointer p{t.recorder};
    t.Down(kLCtrl);
    p.Click(1, 10, 10);
    t.text += p.text;
    t.Up(kLCtrl);
    t.Type('a');
    p.text.clear();
    p.Click(1, 10, 10);
    t.text += p.text;
    EXPECT_EQ(t.Finish(), "<CTLD><MMS:00010,00010><LCLK><CTLU>a<LCLK>");
}

TEST(CaptureSetupTest, FieldsAtTheirOffsets) {
    CaptureSetup s;
    s.macro = 0x0102;
    s.options.relative = CaptureRelative::Window;
    s.options.windowSize = true;
    s.options.clicksOnly = false;
    s.stop = StopKeyOf(0);
    s.stop.virtualKey = 0x77;
    s.stop.ctrl = true;
    s.altStopOn = true;
    s.altStop.button = 2;
    s.altStop.shift = true;
    MacroTable t;
    t.SetByte(table::Reserved771, 9);
    WriteCaptureSetup(t, s);
    EXPECT_EQ(t.Byte(739), 0x02);
    EXPECT_EQ(t.Byte(740), 0x01);
    EXPECT_EQ(t.Byte(742), 1);
    EXPECT_EQ(t.Byte(765), 0x77);
    EXPECT_EQ(t.Byte(767), 1);
    EXPECT_EQ(t.Byte(768), 0);
    EXPECT_EQ(t.Byte(771), 0);
    EXPECT_EQ(t.Byte(772), 1);
    EXPECT_EQ(t.Byte(773), 2);
    EXPECT_EQ(t.Byte(779), 1);
    EXPECT_EQ(t.Byte(782), 1);
    EXPECT_EQ(t.Byte(799), 1);
    EXPECT_EQ(t.Byte(787), 0);
    EXPECT_EQ(t.Byte(788), 2);
    EXPECT_EQ(t.Byte(798), 1);
    EXPECT_EQ(t.Byte(738), 0) << "CaptureOn is published on its own";

    const CaptureSetup back = ReadCaptureSetup(t);
    EXPECT_EQ(back.macro, 0x0102);
    EXPECT_TRUE(back.options.windowSize);
    EXPECT_FALSE(back.options.clicksOnly);
    EXPECT_TRUE(IsStopKey(back.stop, 0x77, 0, true, false, false, false));
    EXPECT_FALSE(IsStopKey(back.stop, 0x77, 0, true, false, true, false));
    EXPECT_TRUE(IsStopKey(back.altStop, 0, 2, false, false, true, false));
    EXPECT_FALSE(IsStopKey(StopKey{}, 0, 0, false, false, false, false))
        << "an empty stop key matches nothing";

    s.options.mouse = false;  // no window size without the mouse
    WriteCaptureSetup(t, s);
    EXPECT_EQ(t.Byte(782), 0);
    t.SetByte(table::CaptureRelative, 77);
    EXPECT_EQ(ReadCaptureSetup(t).options.relative, CaptureRelative::Screen);
}

}  // namespace
}  // namespace tavrin
