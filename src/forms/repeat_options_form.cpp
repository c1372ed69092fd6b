#include "forms/repeat_options_form.h"

#include "language/tag_writer.h"

namespace tavrin {

RepeatOptionsFields NewRepeatOptionsFields() {
    return RepeatOptionsFieldsOf({kRepeatStart, 0, 1, 1});
}

RepeatOptionsFields RepeatOptionsFieldsOf(const RepeatOptionsValues& values) {
    RepeatOptionsFields f;
    f.Kind = values.Kind;
    f.Count = NumberText(values.Count);
    f.CounterStart = NumberText(values.CounterStart);
    f.CounterStep = NumberText(values.CounterStep);
    return f;
}

RepeatOptionsValues RepeatOptionsValuesOf(const TagMatch& tag) {
    RepeatOptionsValues v;
    switch (tag.Kind) {
    case TagKind::Repeat:  // the older form counts from 1 by 1
        v.Kind = kRepeatStart;
        v.Count = tag.Fields.Numbers[0];
        break;
    case TagKind::RepeatCounter:
        v.Kind = kRepeatStart;
        v.Count = tag.Fields.Numbers[0];
        v.CounterStart = tag.Fields.Numbers[1];
        v.CounterStep = tag.Fields.Numbers[2];
        break;
    case TagKind::PromptRepeat: v.Kind = kRepeatPrompt; break;
    case TagKind::EndRepeat: v.Kind = kRepeatEnd; break;
    case TagKind::Counter:
        v.Kind = kRepeatCounter;
        v.Count = tag.Index;
        break;
    default: break;
    }
    return v;
}

CommandAnswer<RepeatOptionsValues> AcceptRepeatOptions(const RepeatOptionsFields& f) {
    RepeatOptionsValues v;
    v.Kind = f.Kind;
    switch (f.Kind) {
    case kRepeatStart: {
        v.Count = NumberOrZero(f.Count);
        if (v.Count < 1)
            return Refuse<RepeatOptionsValues>("Value must be greater than zero.", kRepeatCountField);
        if (!WholeNumber(f.CounterStart, v.CounterStart))
            return Refuse<RepeatOptionsValues>("Invalid start counter specified.  Please Correct.",
                                               kRepeatStartField);
        if (!WholeNumber(f.CounterStep, v.CounterStep))
            return Refuse<RepeatOptionsValues>("Invalid step counter specified.  Please Correct.",
                                               kRepeatStepField);
        TagFields tag;
        tag.Numbers = {v.Count, v.CounterStart, v.CounterStep};
        return Answer(WriteTag(TagKind::RepeatCounter, tag), v);
    }
    case kRepeatPrompt: return Answer(WriteTag(TagKind::PromptRepeat), v);
    case kRepeatEnd: return Answer(WriteTag(TagKind::EndRepeat), v);
    case kRepeatCounter:
        v.Count = NumberOrZero(f.Count);
        if (v.Count < 1 || v.Count > 4)
            return Refuse<RepeatOptionsValues>("Width must be between 1 and 4.", kRepeatCountField);
        return Answer(WriteTag(TagKind::Counter, v.Count, {}), v);
    default: return {};
    }
}

}  // namespace tavrin
