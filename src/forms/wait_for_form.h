#pragma once
// "Wait For": the nine waits of a macro, each with its time limit.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

// Kinds, in the order of the dialog's choices.
enum WaitForKind {
    kWaitForTitle = 1,   // "<WAITWIN:"
    kWaitForLoseFocus,   // "<WAITWLF:"
    kWaitForProgram,     // "<WAITPROG:"
    kWaitForKey,         // "<WAITKEY:"
    kWaitForText,        // "<WAITTXTY:" or "<WAITTXTN:"
    kWaitForLeftClick,   // "<WAITLM:"
    kWaitForRightClick,  // "<WAITRM:"
    kWaitForMiddleClick, // "<WAITMM:"
    kWaitForPlayback,    // "<WAITPB>"
};

// The fields a refusal names.
enum WaitForField { kWaitTitleField = 1, kWaitProgramField, kWaitKeyField, kWaitTextField,
                    kWaitMinutesField };

constexpr int kWaitEnterKey = 50;  // "ENTER" in the key list

struct WaitForValues {
    int Kind = 0;
    // The title, program name or text, or for a key its list position in
    // two digits.
    std::string Stored;
    int Minutes = 0;  // 0 waits without limit
    bool CaseSensitive = false;
};

struct WaitForFields {
    int Kind = kWaitForTitle;
    std::string Title;
    std::string Program;
    int KeyPosition = -1;  // in the key list; -1 for none
    std::string Text;
    bool CaseSensitive = false;
    bool Limited = true;  // "Wait a maximum of", else "Wait Indefinitely"
    std::string Minutes;
};

WaitForFields NewWaitForFields();
WaitForFields WaitForFieldsOf(const WaitForValues& values);
WaitForValues WaitForValuesOf(const TagMatch& tag);
CommandAnswer<WaitForValues> AcceptWaitFor(const WaitForFields& fields);

}  // namespace tavrin
