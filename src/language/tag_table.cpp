#include "language/tag_table.h"

#include <array>
#include <cstring>

#include "language/date_time_codes.h"

namespace tavrin {
namespace {

constexpr FieldLayout Num(uint8_t width) { return {FieldType::Number, width, 0, ""}; }
constexpr FieldLayout Coord() { return {FieldType::Signed, 5, 0, ""}; }
constexpr FieldLayout Real() { return {FieldType::Real, 5, 0, ""}; }
constexpr FieldLayout Sep(char written) { return {FieldType::Separator, 1, written, ""}; }
constexpr FieldLayout Letter(const char* set) { return {FieldType::Letter, 1, 0, set}; }
constexpr FieldLayout Choice(const char* set) { return {FieldType::Choice, 1, 0, set}; }
constexpr FieldLayout Flags(const char* set) { return {FieldType::Flags, 0, 0, set}; }
constexpr FieldLayout Lit(const char* chars) { return {FieldType::Literal, 0, 0, chars}; }
constexpr FieldLayout Text(char terminator = '>') { return {FieldType::Text, 0, terminator, ""}; }
constexpr FieldLayout Title(char terminator = '>') { return {FieldType::Title, 0, terminator, ""}; }
constexpr FieldLayout KeyNumber() { return {FieldType::KeyNumber, 2, '>', ""}; }
constexpr FieldLayout Launch() { return {FieldType::LaunchText, 0, '>', ""}; }
constexpr FieldLayout Close() { return {FieldType::Close, 1, '>', ""}; }
constexpr FieldLayout LooseClose() { return {FieldType::LooseClose, 1, '>', ""}; }

struct Row {
    TagKind Kind;
    int Index;
    const char* Keyword;
    std::array<FieldLayout, 8> Fields;
};

using K = TagKind;

// Tags with a keyword of their own. The date and time tags are added from
// their format codes below.
constexpr Row kRows[] = {
    // Keys.
    {K::Tab, 0, "<TAB>", {}},
    {K::Enter, 0, "<ENTER>", {}},
    {K::Esc, 0, "<ESC>", {}},
    {K::Space, 0, "<SPACE>", {}},
    {K::Backspace, 0, "<BACKSPACE>", {}},
    {K::Insert, 0, "<INSERT>", {}},
    {K::Delete, 0, "<DELETE>", {}},
    {K::Home, 0, "<HOME>", {}},
    {K::End, 0, "<END>", {}},
    {K::PageUp, 0, "<PAGE UP>", {}},
    {K::PageDown, 0, "<PAGE DOWN>", {}},
    {K::UpArrow, 0, "<UP ARROW>", {}},
    {K::DownArrow, 0, "<DOWN ARROW>", {}},
    {K::LeftArrow, 0, "<LEFT ARROW>", {}},
    {K::RightArrow, 0, "<RIGHT ARROW>", {}},
    {K::LeftWin, 0, "<LEFTWIN>", {}},
    {K::RightWin, 0, "<RIGHTWIN>", {}},
    {K::App, 0, "<APP>", {}},
    {K::FKey, 1, "<F1>", {}},
    {K::FKey, 2, "<F2>", {}},
    {K::FKey, 3, "<F3>", {}},
    {K::FKey, 4, "<F4>", {}},
    {K::FKey, 5, "<F5>", {}},
    {K::FKey, 6, "<F6>", {}},
    {K::FKey, 7, "<F7>", {}},
    {K::FKey, 8, "<F8>", {}},
    {K::FKey, 9, "<F9>", {}},
    {K::FKey, 10, "<F10>", {}},
    {K::FKey, 11, "<F11>", {}},
    {K::FKey, 12, "<F12>", {}},
    {K::FKey, 13, "<F13>", {}},
    {K::FKey, 14, "<F14>", {}},
    {K::FKey, 15, "<F15>", {}},
    {K::FKey, 16, "<F16>", {}},
    {K::FKey, 17, "<F17>", {}},
    {K::FKey, 18, "<F18>", {}},
    {K::FKey, 19, "<F19>", {}},
    {K::FKey, 20, "<F20>", {}},
    {K::FKey, 21, "<F21>", {}},
    {K::FKey, 22, "<F22>", {}},
    {K::FKey, 23, "<F23>", {}},
    {K::FKey, 24, "<F24>", {}},
    {K::Attn, 0, "<ATTN>", {}},
    {K::CrSel, 0, "<CRSEL>", {}},
    {K::ExSel, 0, "<EXSEL>", {}},
    {K::EraseEof, 0, "<EREOF>", {}},
    {K::Play, 0, "<PLAY>", {}},
    {K::Zoom, 0, "<ZOOM>", {}},
    {K::Pa1, 0, "<PA1>", {}},
    {K::PrintScreen, 0, "<PRTSCR>", {}},
    {K::ScrollLock, 0, "<SCRLOCK>", {}},
    {K::PauseKey, 0, "<PAUSEKEY>", {}},
    {K::CapsLock, 0, "<CAPLOCK>", {}},
    {K::NumLock, 0, "<NUMLOCK>", {}},
    {K::KeypadDigit, 0, "<KEYP0>", {}},
    {K::KeypadDigit, 1, "<KEYP1>", {}},
    {K::KeypadDigit, 2, "<KEYP2>", {}},
    {K::KeypadDigit, 3, "<KEYP3>", {}},
    {K::KeypadDigit, 4, "<KEYP4>", {}},
    {K::KeypadDigit, 5, "<KEYP5>", {}},
    {K::KeypadDigit, 6, "<KEYP6>", {}},
    {K::KeypadDigit, 7, "<KEYP7>", {}},
    {K::KeypadDigit, 8, "<KEYP8>", {}},
    {K::KeypadDigit, 9, "<KEYP9>", {}},
    {K::KeypadPoint, 0, "<KEYP.>", {}},
    {K::KeypadDivide, 0, "<KEYP/>", {}},
    {K::KeypadMultiply, 0, "<KEYP*>", {}},
    {K::KeypadMinus, 0, "<KEYP->", {}},
    {K::KeypadPlus, 0, "<KEYP+>", {}},

    // Modifiers and character codes.
    {K::Shift, 0, "<SHIFT>", {}},
    {K::Ctrl, 0, "<CTRL>", {}},
    {K::Alt, 0, "<ALT>", {}},
    {K::CtrlDown, 0, "<CTLD>", {}},
    {K::CtrlUp, 0, "<CTLU>", {}},
    {K::AltDown, 0, "<ALTD>", {}},
    {K::AltUp, 0, "<ALTU>", {}},
    {K::ShiftDown, 0, "<SHFD>", {}},
    {K::ShiftUp, 0, "<SHFU>", {}},
    {K::WinDown, 0, "<WIND>", {}},
    {K::WinUp, 0, "<WINU>", {}},
    {K::AltCode, 0, "<ALT:", {Num(3), Close()}},
    {K::AltCode4, 0, "<ALT4:", {Num(4), Close()}},

    // Mouse.
    {K::MoveScreen, 0, "<MMS:", {Coord(), Sep(','), Coord(), Close()}},
    {K::MoveWindow, 0, "<MMW:", {Coord(), Sep(','), Coord(), Close()}},
    {K::MoveBy, 0, "<MMP:", {Coord(), Sep(','), Coord(), Close()}},
    {K::LeftClick, 0, "<LCLK>", {}},
    {K::LeftDoubleClick, 0, "<LDCLK>", {}},
    {K::LeftDown, 0, "<LDN>", {}},
    {K::LeftUp, 0, "<LUP>", {}},
    {K::RightClick, 0, "<RCLK>", {}},
    {K::RightDoubleClick, 0, "<RDCLK>", {}},
    {K::RightDown, 0, "<RDN>", {}},
    {K::RightUp, 0, "<RUP>", {}},
    {K::MiddleClick, 0, "<MCLK>", {}},
    {K::MiddleDoubleClick, 0, "<MDCLK>", {}},
    {K::MiddleDown, 0, "<MDN>", {}},
    {K::MiddleUp, 0, "<MUP>", {}},
    {K::WheelForward, 0, "<WFW:", {Num(3), Close()}},
    {K::WheelBackward, 0, "<WBW:", {Num(3), Close()}},
    {K::RightMouse, 0, "<RIGHT MOUSE>", {}},
    {K::MiddleMouse, 0, "<MIDDLE MOUSE>", {}},

    // Windows and programs.
    {K::Activate, 0, "<ACTIVATE:", {Title()}},
    {K::WindowMax, 0, "<WMAX:", {Title()}},
    {K::WindowMin, 0, "<WMIN:", {Title()}},
    {K::WindowRestore, 0, "<WRES:", {Title()}},
    {K::WindowClose, 0, "<WCLS:", {Title()}},
    {K::WindowHide, 0, "<WHIDE:", {Title()}},
    {K::WindowShow, 0, "<WSHOW:", {Title()}},
    {K::WindowShut, 0, "<WSHUT:", {Title()}},
    {K::WindowSize, 0, "<WSIZE:", {Num(4), Sep(','), Num(4), Title()}},
    {K::WindowPos, 0, "<WPOS:", {Num(4), Sep(','), Num(4), Title()}},
    {K::WindowPos2, 0, "<WPOS2:", {Coord(), Sep(','), Coord(), Title()}},
    {K::Launch, 0, "<LAUNCH:", {Launch()}},
    {K::LaunchNo, 0, "<LAUNCHNO:", {Num(2), Title('<'), Lit("LAUNCH:"), Launch()}},
    {K::LaunchYes, 0, "<LAUNCHYES:", {Num(2), Title('<'), Lit("LAUNCH:"), Launch()}},

    // Waits.
    {K::WaitWindow, 0, "<WAITWIN:", {Num(3), Sep(':'), Text()}},
    {K::WaitLoseFocus, 0, "<WAITWLF:", {Num(3), Sep(':'), Text()}},
    {K::WaitProgram, 0, "<WAITPROG:", {Num(3), Sep(':'), Text()}},
    {K::WaitTextCase, 0, "<WAITTXTY:", {Num(3), Sep(':'), Text()}},
    {K::WaitTextNoCase, 0, "<WAITTXTN:", {Num(3), Sep(':'), Text()}},
    {K::WaitKey, 0, "<WAITKEY:", {Num(3), Sep(':'), KeyNumber()}},
    {K::WaitLeftClick, 0, "<WAITLM:", {Num(3), LooseClose()}},
    {K::WaitRightClick, 0, "<WAITRM:", {Num(3), LooseClose()}},
    {K::WaitMiddleClick, 0, "<WAITMM:", {Num(3), LooseClose()}},
    {K::WaitPlayback, 0, "<WAITPB>", {}},

    // Flow, timing and macro control.
    {K::Repeat, 0, "<REPEAT:", {Num(4), Close()}},
    {K::RepeatCounter, 0, "<REP:", {Num(4), Sep(':'), Num(6), Sep(':'), Num(6), Close()}},
    {K::PromptRepeat, 0, "<PROMPTREP>", {}},
    {K::EndRepeat, 0, "<ENDREP>", {}},
    {K::Counter, 1, "<I>", {}},
    {K::Counter, 2, "<II>", {}},
    {K::Counter, 3, "<III>", {}},
    {K::Counter, 4, "<IIII>", {}},
    {K::Pause, 0, "<PAUSE>", {}},
    {K::PauseAt, 0, "<PAUSE:", {Num(3), Sep(','), Num(3), Text()}},
    {K::Delay, 0, "<DELAY:", {Real(), Close()}},
    {K::DelayMs, 0, "<MSD:", {Num(4), Close()}},
    {K::Speed, 0, "<SPEED:", {Real(), Close()}},
    {K::KeystrokeDelay, 0, "<SPKEY:", {Num(4), Close()}},
    {K::MouseDelay, 0, "<SPMSE:", {Num(4), Close()}},
    {K::Remark, 0, "<REM:", {Text()}},
    {K::TextBox, 0, "<TBOX:<HEAD:", {Text(), Text()}},
    {K::MacroRun, 0, "<MACRUN:", {Text()}},
    {K::MacroDelete, 0, "<MACDEL:", {Text()}},
    {K::MacroActivate, 0, "<MACACT:", {Text()}},
    {K::MacroDeactivate, 0, "<MACDEACT:", {Text()}},
    {K::SwapFile, 0, "<SWAP:", {Text()}},

    // Clipboard, files, web, Explorer.
    {K::ClipCopy, 0, "<CLIPC>", {}},
    {K::ClipPaste, 0, "<CLIPP>", {}},
    {K::BeginClip, 0, "<BEGCLIP>", {}},
    {K::EndClip, 0, "<ENDCLIP>", {}},
    {K::ClipType, 0, "<CLIPTYPE>", {}},
    {K::ClipTypeIgnoreLines, 0, "<CLIPTYPEI>", {}},
    {K::ClipFile, 0, "<CLIPF:", {Text()}},
    {K::ClipBitmap, 0, "<CLIPB:", {Text()}},
    {K::Beep, 0, "<BEEP>", {}},
    {K::WaveWait, 0, "<WAV1:", {Text()}},
    {K::WaveNoWait, 0, "<WAV2:", {Text()}},
    {K::TextFile, 0, "<TFILE:", {Text()}},
    {K::ChangeDir, 0, "<CHDIR:", {Text()}},
    {K::MakeDir, 0, "<MKDIR:", {Text()}},
    {K::DeleteFile, 0, "<DELFILE:", {Text()}},
    {K::CopyFile, 0, "<COPYFILE:", {Text(';'), Text()}},
    {K::RenameFile, 0, "<RENFILE:", {Text(';'), Text()}},
    {K::Http, 0, "<HTTP:", {Text()}},
    {K::Ftp, 0, "<FTP:", {Text()}},
    {K::Explore, 0, "<EXPLORE:", {Text()}},
    {K::ExploreFolder, 0, "<EXPCP>", {}},
    {K::ExploreFolder, 1, "<EXPDT>", {}},
    {K::ExploreFolder, 2, "<EXPDP>", {}},
    {K::ExploreFolder, 3, "<EXPFV>", {}},
    {K::ExploreFolder, 4, "<EXPFT>", {}},
    {K::ExploreFolder, 5, "<EXPMC>", {}},
    {K::ExploreFolder, 6, "<EXPNW>", {}},
    {K::ExploreFolder, 7, "<EXPPR>", {}},
    {K::ExploreFolder, 8, "<EXPPF>", {}},
    {K::ExploreFolder, 9, "<EXPRD>", {}},
    {K::ExploreFolder, 10, "<EXPRB>", {}},
    {K::ExploreFolder, 11, "<EXPSM>", {}},
    {K::ExploreFolder, 12, "<EXPSU>", {}},
    {K::ExploreFolder, 13, "<EXPUD>", {}},

    // System and desktop.
    {K::RunDateTime, 0, "<RUNDT>", {}},
    {K::RunFindComputer, 0, "<RUNFC>", {}},
    {K::RunFindFiles, 0, "<RUNFF>", {}},
    {K::RunProgram, 0, "<RUNRP>", {}},
    {K::Cascade, 0, "<CASCDESK>", {}},
    {K::TileVertical, 0, "<TILVDESK>", {}},
    {K::TileHorizontal, 0, "<TILHDESK>", {}},
    {K::MinimizeAll, 0, "<MINIDESK>", {}},
    {K::RestoreAll, 0, "<RESTDESK>", {}},
    {K::LogOff, 0, "<LOGOFF>", {}},
    {K::Reboot, 0, "<REBOOT>", {}},
    {K::Shutdown, 0, "<SHUTDOWN>", {}},
    {K::PowerOff, 0, "<POWEROFF>", {}},
    {K::Suspend, 0, "<SUSPEND>", {}},
    {K::Undock, 0, "<UNDOCK>", {}},
    {K::HideTaskBar, 0, "<HIDETASK>", {}},
    {K::ShowTaskBar, 0, "<SHOWTASK>", {}},
    {K::ScreenSaverOn, 0, "<SSON>", {}},
    {K::ScreenSaverOff, 0, "<SSOFF>", {}},
    {K::ScreenSaverTime, 0, "<SSTIME:", {Num(2), Close()}},
    {K::KeyboardSpeed, 0, "<KEYSPD:", {Num(2), Close()}},
    {K::KeyboardDelay, 0, "<KEYDEL:", {Num(1), Close()}},
    {K::BorderWidth, 0, "<WBSIZE:", {Num(2), Close()}},
    {K::WallpaperTile, 0, "<WALLT:", {Text()}},
    {K::WallpaperCentre, 0, "<WALLC:", {Text()}},
    {K::WallpaperStretch, 0, "<WALLS:", {Text()}},
    {K::WallpaperAt, 0, "<WALLP:", {Num(4), Sep(','), Num(4), Text()}},
    {K::ScreenMode, 0, "<SCREEN:", {Num(3), Close()}},
    {K::DefaultPrinter, 0, "<DEFPRT:", {Text()}},

    // Network and dial-up.
    {K::NetConnect, 0, "<NWC",
     {Flags("PS"), Sep(':'), Lit("<NAME:"), Text(), Lit("<PASS:"), Text(), Text()}},
    {K::NetToggle, 0, "<NWT",
     {Flags("PS"), Sep(':'), Lit("<NAME:"), Text(), Lit("<PASS:"), Text(), Text()}},
    {K::NetDisconnect, 0, "<NWD", {Flags("PFS"), Sep(':'), Text()}},
    {K::Dial, 0, "<DIAL:<NAME:", {Text(), Lit("<PASS:"), Text(), Text()}},
    {K::HangUp, 0, "<HANG>", {}},

    // Audio CD, video, volume.
    {K::CdPlay, 0, "<CDPLAY>", {}},
    {K::CdStop, 0, "<CDSTOP>", {}},
    {K::CdPause, 0, "<CDPAUSE>", {}},
    {K::CdNext, 0, "<CDNEXT>", {}},
    {K::CdPrevious, 0, "<CDPREV>", {}},
    {K::CdEject, 0, "<CDEJECT>", {}},
    {K::CdClose, 0, "<CDCLOSE>", {}},
    {K::CdGoto, 0, "<CDGOTO:", {Num(2), Close()}},
    {K::CdStep, 0, "<CDSTEP:", {Num(2), Close()}},
    {K::CdBack, 0, "<CDBACK:", {Num(2), Close()}},
    {K::Avi, 0, "<AVI:", {Text()}},
    {K::AviNow, 0, "<AVII:", {Text()}},
    {K::AviClose, 0, "<AVIE:", {Text()}},
    {K::AudioOff, 0, "<AUDOFF>", {}},
    {K::AudioOn, 0, "<AUDON>", {}},
    {K::AudioUp, 0, "<AUDUP>", {}},
    {K::AudioDown, 0, "<AUDDOWN>", {}},
    {K::AudioMute, 0, "<AUDMUTE>", {}},
    {K::AudioLeft, 0, "<AUDLEFT>", {}},
    {K::AudioRight, 0, "<AUDRIGHT>", {}},
    {K::AudioCentre, 0, "<AUDCENTER>", {}},
    {K::TrebleUp, 0, "<TREBUP>", {}},
    {K::TrebleDown, 0, "<TREBDOWN>", {}},
    {K::BassUp, 0, "<BASSUP>", {}},
    {K::BassDown, 0, "<BASSDOWN>", {}},
    {K::MidiOff, 0, "<MIDIOFF>", {}},
    {K::MidiOn, 0, "<MIDION>", {}},
    {K::MidiUp, 0, "<MIDIUP>", {}},
    {K::MidiDown, 0, "<MIDIDOWN>", {}},
    {K::MidiMute, 0, "<MIDIMUTE>", {}},
    {K::MidiLeft, 0, "<MIDILEFT>", {}},
    {K::MidiRight, 0, "<MIDIRIGHT>", {}},
    {K::MidiCentre, 0, "<MIDICENTER>", {}},

    // Reserved.
    {K::EmptyBin, 0, "<EMPTYBIN>", {}},
    {K::Test, 0, "<TEST>", {}},
};

// Every layout must fit the slots of TagFields.
constexpr bool FitsTagFields(const Row& row) {
    int numbers = 0, letters = 0, texts = 0;
    for (const FieldLayout& f : row.Fields) {
        switch (f.Type) {
            case FieldType::Number: case FieldType::Signed: case FieldType::KeyNumber:
                ++numbers; break;
            case FieldType::Letter: case FieldType::Choice: ++letters; break;
            case FieldType::Text: case FieldType::Title: ++texts; break;
            case FieldType::LaunchText: texts += 2; break;
            default: break;
        }
    }
    return numbers <= 3 && letters <= 2 && texts <= 3;
}
constexpr bool AllFit() {
    for (const Row& row : kRows)
        if (!FitsTagFields(row)) return false;
    return true;
}
static_assert(AllFit(), "a tag layout has more fields than TagFields holds");

bool IsFixedWidth(FieldType t) {
    switch (t) {
        case FieldType::Number: case FieldType::Signed: case FieldType::Real:
        case FieldType::Separator: case FieldType::Letter: case FieldType::Choice:
        case FieldType::Literal: case FieldType::Close: case FieldType::LooseClose:
            return true;
        default:
            return false;
    }
}

size_t WidthOf(const FieldLayout& f) {
    return f.Type == FieldType::Literal ? std::strlen(f.Chars) : f.Width;
}

TagPattern MakePattern(TagKind kind, int index, std::string keyword,
                       std::vector<FieldLayout> fields) {
    TagPattern p;
    p.Kind = kind;
    p.Index = index;
    p.Keyword = std::move(keyword);
    p.Fields = std::move(fields);
    p.FixedWidth = true;
    size_t offset = p.Keyword.size();
    for (const FieldLayout& f : p.Fields) {
        if (!IsFixedWidth(f.Type)) p.FixedWidth = false;
        offset += WidthOf(f);
    }
    p.EndOffset = p.FixedWidth ? offset - 1 : 0;
    return p;
}

std::vector<TagPattern> BuildTable() {
    std::vector<TagPattern> table;
    for (const Row& row : kRows) {
        std::vector<FieldLayout> fields;
        for (const FieldLayout& f : row.Fields)
            if (f.Type != FieldType::None) fields.push_back(f);
        table.push_back(MakePattern(row.Kind, row.Index, row.Keyword, std::move(fields)));
    }
    // "<code{" then Y/N, F/P, three digits of days, "}>"; the closing
    // characters are not tested.
    for (size_t i = 0; i < kDateFormatCodes.size(); ++i) {
        TagPattern p = MakePattern(
            K::DateTag, static_cast<int>(i), std::string("<") + kDateFormatCodes[i] + "{",
            {Letter("NY"), Letter("FP"), Num(3), Sep('}'), LooseClose()});
        p.ShortDateForm = true;
        table.push_back(std::move(p));
    }
    // "<code{N}>" or "<code{Y}>", compared exactly.
    for (size_t i = 0; i < kTimeFormatCodes.size(); ++i)
        table.push_back(MakePattern(K::TimeTag, static_cast<int>(i),
                                    std::string("<") + kTimeFormatCodes[i] + "{",
                                    {Choice("NY"), Lit("}"), Close()}));
    return table;
}

}  // namespace

const std::vector<TagPattern>& TagTable() {
    static const std::vector<TagPattern> table = BuildTable();
    return table;
}

const TagPattern* FindTagPattern(TagKind kind, int index) {
    // The first pattern of each kind; a family's members follow it in index order.
    static const std::vector<int> first = [] {
        std::vector<int> v(static_cast<size_t>(TagKind::Count), -1);
        const auto& table = TagTable();
        for (size_t i = table.size(); i-- > 0;) v[static_cast<size_t>(table[i].Kind)] = int(i);
        return v;
    }();
    size_t k = static_cast<size_t>(kind);
    if (k >= first.size() || first[k] < 0) return nullptr;
    const auto& table = TagTable();
    const TagPattern& head = table[first[k]];
    size_t at = static_cast<size_t>(first[k]) + static_cast<size_t>(index - head.Index);
    if (index < head.Index || at >= table.size() || table[at].Kind != kind ||
        table[at].Index != index)
        return nullptr;
    return &table[at];
}

}  // namespace tavrin
