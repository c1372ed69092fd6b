#include "forms/wait_for_form.h"

#include <cstdio>

#include "language/tag_writer.h"
#include "language/wait_keys.h"

namespace tavrin {
namespace {

// The tag of each kind, from kWaitForTitle.
constexpr TagKind kKinds[] = {TagKind::WaitWindow,
                              TagKind::WaitLoseFocus,  TagKind::WaitProgram,
                              TagKind::WaitKey,        TagKind::WaitTextNoCase,
                              TagKind::WaitLeftClick,  TagKind::WaitRightClick,
                              TagKind::WaitMiddleClick, TagKind::WaitPlayback};

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

WaitForFields NewWaitForFields() {
    WaitForFields f;
    f.Limited = true;
    f.Minutes = "10";
    f.KeyPosition = kWaitEnterKey;
    return f;
}

WaitForFields WaitForFieldsOf(const WaitForValues& values) {
    WaitForFields f;
    f.Kind = values.Kind;
    f.Limited = values.Minutes != 0;
    f.Minutes = f.Limited ? NumberText(values.Minutes) : "";
    switch (values.Kind) {
    case kWaitForTitle: case kWaitForLoseFocus: f.Title = values.Stored; break;
    case kWaitForProgram: f.Program = values.Stored; break;
    case kWaitForText:
        f.Text = values.Stored;
        f.CaseSensitive = values.CaseSensitive;
        break;
    case kWaitForKey: {
        const int k = NumberOrZero(values.Stored);
        f.KeyPosition = k >= 0 && k < static_cast<int>(kWaitKeyNames.size()) ? k : -1;
        break;
    }
    default: break;
    }
    return f;
}

WaitForValues WaitForValuesOf(const TagMatch& tag) {
    WaitForValues v;
    v.Kind = KindOf(kKinds, tag.Kind);
    if (tag.Kind == TagKind::WaitTextCase) {
        v.Kind = kWaitForText;
        v.CaseSensitive = true;
    }
    if (v.Kind != kWaitForPlayback) v.Minutes = tag.Fields.Numbers[0];
    if (v.Kind == kWaitForKey) v.Stored = TwoDigits(tag.Fields.Numbers[1]);
    else if (v.Kind >= kWaitForTitle && v.Kind <= kWaitForText) v.Stored = tag.Fields.Texts[0];
    return v;
}

CommandAnswer<WaitForValues> AcceptWaitFor(const WaitForFields& f) {
    WaitForValues v;
    v.Kind = f.Kind;
    switch (f.Kind) {
    case kWaitForTitle: case kWaitForLoseFocus:
        v.Stored = FieldText(f.Title);
        if (v.Stored.empty())
            return Refuse<WaitForValues>("No entry made for Window Title.  Please correct.",
                                         kWaitTitleField);
        break;
    case kWaitForProgram:
        v.Stored = FieldText(f.Program);
        if (v.Stored.empty())
            return Refuse<WaitForValues>("No entry made for program name.  Please correct.",
                                         kWaitProgramField);
        break;
    case kWaitForText:
        v.CaseSensitive = f.CaseSensitive;
        v.Stored = FieldText(f.Text);
        if (v.Stored.empty())
            return Refuse<WaitForValues>("No text entered.  Please correct.", kWaitTextField);
        break;
    case kWaitForKey:
        if (f.KeyPosition < 0 || f.KeyPosition >= static_cast<int>(kWaitKeyNames.size()))
            return Refuse<WaitForValues>("No key selected.  Please correct.", kWaitKeyField);
        v.Stored = TwoDigits(f.KeyPosition);
        break;
    case kWaitForLeftClick: case kWaitForRightClick: case kWaitForMiddleClick:
    case kWaitForPlayback:
        break;
    default:
        return {};  // no choice: nothing entered
    }
    if (f.Kind != kWaitForPlayback && f.Limited) {
        int minutes = 0;
        if (!WholeNumber(f.Minutes, minutes) || minutes < 1)
            return Refuse<WaitForValues>("Value must be greater than zero.", kWaitMinutesField);
        v.Minutes = minutes;
    }
    TagKind kind = kKinds[f.Kind - 1];
    if (f.Kind == kWaitForText && v.CaseSensitive) kind = TagKind::WaitTextCase;
    TagFields tag;
    tag.Numbers[0] = v.Minutes;
    if (f.Kind == kWaitForKey) tag.Numbers[1] = f.KeyPosition;
    else tag.Texts[0] = v.Stored;
    return Answer(WriteTag(kind, tag), v);
}

}  // namespace tavrin
