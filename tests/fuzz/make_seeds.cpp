// Writes the fuzzers' seed corpora and the tag dictionary from our own record
// writer and tag table:
//   make_seeds <folder>
// fills <folder>/seeds/macro_file/ with small macro files that use every record
// field and kind, <folder>/seeds/tag/ with macro texts that hold every tag,
// <folder>/seeds/player/ with a macro text for every kind of tag, and writes
// <folder>/tag.dict with every tag head. The output is the same on every run,
// so the checked-in copies can be compared with a fresh one.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/sample_tag_fields.h"
#include "language/tag_table.h"
#include "language/tag_writer.h"
#include "store/macro_record.h"
#include "store/system_macros.h"

using namespace tavrin;

namespace {

// A fixed time, so the files do not change from run to run: 9 Dec 2026, 19:00.
constexpr double kModified = 46365.79166;

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string Encode(const std::vector<MacroRecord>& records) {
    std::string bytes(records.size() * kMacroRecordSize, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        EncodeMacroRecord(records[i], reinterpret_cast<uint8_t*>(&bytes[i * kMacroRecordSize]));
    return bytes;
}

MacroRecord Macro(const char* nickname, uint16_t hotKey, const char* text) {
    MacroRecord r;
    r.Nickname = nickname;
    r.HotKey = hotKey;
    r.MacroText = text;
    r.IconFile = "MAIN";
    r.LastModified = kModified;
    return r;
}

MacroRecord Timed(const char* nickname, int16_t kind) {
    MacroRecord r = Macro(nickname, kHotKeyTimed, "<REM:timed>");
    r.SchedKind = kind;
    r.SchedDays = {1, 1, 1, 1, 1, 0, 0};
    r.SchedHour = 9;
    r.SchedMinute = 30;
    r.SchedMonth = 12;
    r.SchedDay = 24;
    r.SchedHourlyMinute = 15;
    r.SchedMinutes = 45;
    r.SchedDayOfWeek = 2;
    r.SchedYear = 2026;
    r.SchedPM = kind % 2;
    return r;
}

// Macro files of at most three records each, so every one fits the fuzzers'
// 20000-byte inputs whole.
std::vector<std::pair<std::string, std::vector<MacroRecord>>> MacroFiles() {
    MacroRecord hotKey = Macro("Address", 159, "Hello<ENTER>World<TAB>");  // Ctrl+Alt+P
    MacroRecord quillet = Macro("Signature", kHotKeyQuillet, "Best wishes<ENTER>");
    quillet.QuilletName = "sig";
    quillet.IconFile = "HOUSE.ICO";
    MacroRecord none = Macro("by nickname", kHotKeyNone, "<PAUSE>");

    MacroRecord window = Macro("In Notepad", 160, "<ACTIVATE:\"CURRENT\">");
    window.Scope = kScopeWindow;
    window.ScopeName = "Untitled - Notepad";
    window.TopMostOnly = 1;
    MacroRecord program = Macro("In Notepad's program", 161, "x");
    program.Scope = kScopeProgram;
    program.ScopeName = "NOTEPAD.EXE";
    MacroRecord title = Macro("on Notepad", kHotKeyWindowTitle, "<WMAX:\"CURRENT\">");
    title.ScopeName = "Notepad";

    MacroRecord menu = Macro("Menu", 162, "");
    menu.Scope = kScopePopupMenu;
    menu.IconFile = "MENU";
    menu.SetMenuOptions('Y', '2', '1');
    menu.MenuItems = {2, 3};
    MacroRecord inactive = Macro("switched off", 163, "off");
    inactive.Active = 0;
    inactive.Reserved98 = 0x1234;
    inactive.Reserved5143[0] = 0xAA;
    MacroRecord longest = Macro("a full text", kHotKeyNone, "");
    longest.MacroText = std::string(kMaxMacroText, 'z');

    MacroRecord renamed = SystemMacroRecord(4, kModified);
    renamed.Nickname = "a system macro renamed";
    MacroRecord timedOff = Timed("timed, inactive", 6);
    timedOff.Active = 0;

    return {
        {"hot_key_quillet_none.zyn", {hotKey, quillet, none}},
        {"window_program_title.zyn", {window, program, title}},
        {"popup_menu.zyn", {menu, inactive, longest}},
        {"system_macros.zyn",
         {SystemMacroRecord(1, kModified), SystemMacroRecord(2, kModified),
          SystemMacroRecord(3, kModified)}},
        {"system_renamed_timed.zyn", {renamed, Timed("every 45 idle minutes", 7), timedOff}},
        {"timed_a.zyn", {Timed("at start-up", 0), Timed("once", 1), Timed("hourly", 2)}},
        {"timed_b.zyn", {Timed("daily", 3), Timed("weekly", 4), Timed("monthly", 5)}},
        {"timed_c.zyn", {Timed("every 45 minutes", 6)}},
    };
}

// Every tag of the table, written by our writer, 30 tags to a text with a
// literal character after each and a line break after every fifth.
std::vector<std::string> TagTexts() {
    std::vector<std::string> texts;
    const std::vector<TagPattern>& table = TagTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (i % 30 == 0) texts.emplace_back();
        texts.back() += WriteTag(table[i].Kind, table[i].Index, SampleFields()) + "a";
        if (i % 5 == 4) texts.back() += "\r\n";
    }
    // Forms the writer never produces but readers meet.
    texts.push_back(
        "<enter><DELAY:1.5><<TAB><WMAX:\"CURRENT\"><WMIN:CURRENT><MM/DD/YY{Y}>"
        "<LAUNCH:C:\\A.EXE<PARAM>/x><LAUNCH:C:\\A.EXE<PARAM>><WAITLM:005x<REM:<ENTER>"
        "<LAUNCHNO:05Untitled - Notepad<LAUNCH:NOTEPAD.EXE><TBOX:<HEAD:Title>");
    return texts;
}

// For the player: a text for each kind of tag, the first of its family
// alone, so that every kind is played whatever ends a macro early (a wait
// that times out, a window that is not there); then texts whose tags play
// together, and macros that the fuzzer aborts while keys are held.
std::vector<std::string> PlayerTexts() {
    std::vector<std::string> texts;
    const std::vector<TagPattern>& table = TagTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (i == 0 || table[i - 1].Kind != table[i].Kind)
            texts.push_back(WriteTag(table[i].Kind, table[i].Index, SampleFields()) + "a");
    texts.insert(texts.end(), {
        "<REP:0003:000010:000005><I>x<REPEAT:0002><II><ENDREP><ENDREP><PROMPTREP><III><ENDREP>",
        "<BEGCLIP>Hi <SHFD>x<ENDCLIP><CLIPTYPE><CLIPTYPEI><CLIPC><CLIPP>",
        "<SHFD>a<SHFU><CTLD>b<CTLU><ALTD>c<ALTU><WIND>d<WINU><SHIFT>e<CTRL>f<ALT>g<ALT>h<ALT:065>",
        "<LDN><LUP><RDN><RUP><MDN><MUP><SHIFT><LCLK>",
        "<SPEED:00.50><SPKEY:0010><SPMSE:0020>ab<LCLK><MSD:0100><DELAY:01.50><SPEED:00.00>c",
        // The macro "me" of the fuzzer's macro file is this text.
        "<MACRUN:me>",
        "<MACDEACT:me><MACACT:me><MACDEL:me><MACRUN:me>",
        // Waits without a time-out, which the fuzzer ends by an abort.
        "<SHFD><CTRL><ALTD><WIND><WAITWIN:000:no such window>x",
        "<REPEAT:9999><SHIFT><WAITKEY:000:05><ENDREP>",
    });
    return texts;
}

// A dictionary entry in libFuzzer's quoted form.
std::string Quoted(const std::string& word) {
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Every tag head, the literal parts inside tags, and the marker and closing
// characters a reader looks for.
std::string Dictionary() {
    std::vector<std::string> words;
    for (const TagPattern& p : TagTable()) {
        words.push_back(p.Keyword);
        for (const FieldLayout& f : p.Fields)
            if (f.Type == FieldType::Literal) words.push_back(f.Chars);
    }
    words.insert(words.end(), {"<PARAM>", "\"CURRENT\"", "{Y}>", "{N}>", "}>"});
    std::string dict =
        "# Tag heads and tag parts for tag_fuzzer and player_fuzzer; written by make_seeds.\n";
    for (size_t i = 0; i < words.size(); ++i)
        if (std::find(words.begin(), words.begin() + i, words[i]) == words.begin() + i)
            dict += Quoted(words[i]) + "\n";
    return dict;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::filesystem::create_directories(folder + "/seeds/macro_file");
    std::filesystem::create_directories(folder + "/seeds/tag");
    bool ok = true;
    for (const auto& [name, records] : MacroFiles())
        ok = WriteFile(folder + "/seeds/macro_file/" + name, Encode(records)) && ok;
    // A record and a trailing fragment, which loading ignores.
    ok = WriteFile(folder + "/seeds/macro_file/fragment.zyn",
                   Encode({Macro("before a fragment", 164, "y")}) + std::string(100, '\x07')) &&
         ok;
    const std::vector<std::string> texts = TagTexts();
    for (size_t i = 0; i < texts.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/seeds/tag/text_%02zu.txt", i + 1);
        ok = WriteFile(folder + name, texts[i]) && ok;
    }
    std::filesystem::create_directories(folder + "/seeds/player");
    const std::vector<std::string> played = PlayerTexts();
    for (size_t i = 0; i < played.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/seeds/player/text_%03zu.txt", i + 1);
        ok = WriteFile(folder + name, played[i]) && ok;
    }
    ok = WriteFile(folder + "/tag.dict", Dictionary()) && ok;
    return ok ? 0 : 1;
}
