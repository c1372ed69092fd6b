#pragma once
// The tag vocabulary of the macro language: every tag with its keyword, its
// kind, the layout of its fields and the command group that plays it, in one
// table. The recogniser reads by it, the writer writes by it and the player
// dispatches by it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "language/tag_kind.h"

namespace tavrin {

enum class FieldType : uint8_t {
    None,
    Number,      // Width decimal digits, zero-filled
    Signed,      // 5 characters: 5 digits, or "-" and 4 digits
    Real,        // 5 characters with two decimals: "01.50"
    Separator,   // one character, not tested when read, written as Char
    Letter,      // one character, any when read, written from Chars
    Choice,      // one of the letters in Chars, tested when read
    Flags,       // the letters of Chars, each optional, in that order
    Literal,     // the characters of Chars, tested when read
    Text,        // free text up to the terminator Char, or up to ">", which ends the tag
    Title,       // a Text holding a window title or the current-window marker
    KeyNumber,   // a number read as free text up to ">", written with Width digits
    LaunchText,  // program path up to ">", optionally "<PARAM>" and parameters up to ">"
    Close,       // the closing ">" of a fixed-width tag
    LooseClose,  // the same, written but not tested when read
};

struct FieldLayout {
    FieldType Type = FieldType::None;
    uint8_t Width = 0;
    char Char = 0;
    const char* Chars = "";
};

// The part of the player that plays a tag. Every kind but Literal belongs to
// exactly one group (tag_table.cpp asserts it when it compiles), and the
// player hands a tag to the handler of its kind's group and to no other.
enum class CommandGroup : uint8_t {
    Keys,       // keys, modifiers, ALT codes and the mouse: Keystrokes
    Window,     // windows and programs: WindowCommands
    Wait,       // WaitCommands
    Flow,       // repeats, counters, pauses, delays, speed, the text box, macro
                // control, remarks and the reserved tags: the player's own
    DateTime,   // date and time typing: the player's own
    Clipboard,  // ClipboardCommands
    File,       // folders, files, text files, addresses: FileCommands
    Sound,      // SoundCommands
    System,     // SystemCommands
    Desktop,    // DesktopCommands
    Network,    // NetworkCommands
    Count       // number of groups; the group of no kind
};

// One entry of the table: everything the program knows of a tag, so that all
// its readers hang on this one table. What the scripting editor and the
// command dialogs will need of a command (the name the editor shows, the
// dialog that edits it) belongs here as further members, given in each row of
// kRows in tag_table.cpp beside the group.
struct TagPattern {
    TagKind Kind = TagKind::Literal;
    int Index = 0;  // position within a family (see TagKind), else 0
    std::string Keyword;
    std::vector<FieldLayout> Fields;
    // Every field has a fixed width, so the tag has a fixed length; keyword-only
    // tags count as fixed-width.
    bool FixedWidth = false;
    size_t EndOffset = 0;  // offset of the closing ">" of a fixed-width tag
    // A date tag, also read in its short form "<code{Y}>" or "<code{N}>".
    bool ShortDateForm = false;
    // The group of Kind, the same in every entry of the kind.
    CommandGroup Group = CommandGroup::Count;
};

// The whole vocabulary, date and time tags included. No keyword is a prefix of
// another, so at most one pattern matches at any position.
const std::vector<TagPattern>& TagTable();

// The pattern of a kind (and family index); nullptr if there is none.
const TagPattern* FindTagPattern(TagKind kind, int index = 0);

// The group that plays a kind; CommandGroup::Count for Literal, which is no
// tag, and for a value that is no kind.
CommandGroup CommandGroupOf(TagKind kind);

}  // namespace tavrin
