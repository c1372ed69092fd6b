#include "forms/mouse_commands_form.h"

#include "language/tag_writer.h"

namespace tavrin {
namespace {

constexpr int kLargestPosition = 30000;

// The tag of each choice, in the order of the choices; a move's is the one
// of its reference point.
constexpr TagKind kTags[kMouseKinds] = {
    TagKind::MoveScreen,  TagKind::LeftClick,         TagKind::LeftDoubleClick,
    TagKind::LeftDown,    TagKind::LeftUp,            TagKind::RightClick,
    TagKind::RightDoubleClick, TagKind::RightDown,    TagKind::RightUp,
    TagKind::MiddleClick, TagKind::MiddleDoubleClick, TagKind::MiddleDown,
    TagKind::MiddleUp,    TagKind::WheelForward,      TagKind::WheelBackward,
};
constexpr TagKind kMoves[] = {TagKind::MoveScreen, TagKind::MoveWindow, TagKind::MoveBy};

bool PositionOk(const std::string& text, int relativeTo, int& value) {
    return WholeNumber(text, value) && value <= kLargestPosition &&
           (value >= 0 || relativeTo == kRelativeToLast);
}

}  // namespace

MousePanel MousePanelOf(int kind) {
    if (kind == kMouseMove) return MousePanel::Movement;
    if (kind == kMouseWheelForward || kind == kMouseWheelBackward) return MousePanel::Wheel;
    return MousePanel::None;
}

MouseFields NewMouseFields() {
    MouseFields fields;
    fields.Kind = kMouseMove;
    fields.X = "0";
    fields.Y = "0";
    fields.Clicks = "1";
    return fields;
}

MouseFields MouseFieldsOf(const MouseValues& values) {
    MouseFields fields = NewMouseFields();
    fields.Kind = values.Kind;
    if (MousePanelOf(values.Kind) == MousePanel::Movement) {
        fields.RelativeTo = values.RelativeTo;
        fields.X = NumberText(values.X);
        fields.Y = NumberText(values.Y);
    } else if (MousePanelOf(values.Kind) == MousePanel::Wheel) {
        fields.Clicks = NumberText(values.Clicks);
    }
    return fields;
}

MouseValues MouseValuesOf(const TagMatch& match) {
    MouseValues values;
    for (int k = 0; k < 3; ++k)
        if (kMoves[k] == match.Kind) {
            values.Kind = kMouseMove;
            values.RelativeTo = k + 1;
            values.X = match.Fields.Numbers[0];
            values.Y = match.Fields.Numbers[1];
            return values;
        }
    for (int k = 1; k < kMouseKinds; ++k)
        if (kTags[k] == match.Kind) values.Kind = k + 1;
    if (MousePanelOf(values.Kind) == MousePanel::Wheel) values.Clicks = match.Fields.Numbers[0];
    return values;
}

CommandAnswer<MouseValues> AcceptMouse(const MouseFields& fields) {
    MouseValues values;
    if (fields.Kind < 1 || fields.Kind > kMouseKinds) return Answer("", values);
    values.Kind = fields.Kind;
    TagFields tag;
    TagKind kind = kTags[fields.Kind - 1];
    switch (MousePanelOf(fields.Kind)) {
        case MousePanel::Wheel:
            if (!WholeNumber(fields.Clicks, values.Clicks) || values.Clicks < 1)
                return Refuse<MouseValues>(
                    "Invalid number of wheel clicks specified.  Please correct.",
                    kWheelClicksField);
            tag.Numbers[0] = values.Clicks;
            break;
        case MousePanel::Movement:
            values.RelativeTo = fields.RelativeTo >= kRelativeToScreen &&
                                        fields.RelativeTo <= kRelativeToLast
                                    ? fields.RelativeTo
                                    : kRelativeToScreen;
            if (!PositionOk(fields.X, values.RelativeTo, values.X))
                return Refuse<MouseValues>("Invalid X Position specified.  Please correct.",
                                           kMouseXField);
            if (!PositionOk(fields.Y, values.RelativeTo, values.Y))
                return Refuse<MouseValues>("Invalid Y Position specified.  Please correct.",
                                           kMouseYField);
            kind = kMoves[values.RelativeTo - 1];
            tag.Numbers = {values.X, values.Y, 0};
            break;
        case MousePanel::None:
            break;
    }
    return Answer(WriteTag(kind, tag), values);
}

}  // namespace tavrin
