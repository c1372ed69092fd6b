#include "forms/activate_launch_form.h"

#include "language/tag_writer.h"

namespace tavrin {

ActivateLaunchFields NewActivateLaunchFields() {
    ActivateLaunchFields fields;
    fields.Kind = 4;
    return fields;
}

ActivateLaunchFields ActivateLaunchFieldsOf(const ActivateLaunchValues& values) {
    ActivateLaunchFields fields;
    fields.Kind = values.Kind;
    fields.Title = values.Title;
    fields.Program = values.Program;
    fields.Parameters = values.Parameters;
    fields.Delay = NumberText(values.Delay);
    return fields;
}

ActivateLaunchValues ActivateLaunchValuesOf(const TagMatch& match) {
    ActivateLaunchValues values;
    const TagFields& f = match.Fields;
    switch (match.Kind) {
    case TagKind::Activate:
        values.Kind = 1;
        values.Title = f.Texts[0];
        break;
    case TagKind::Launch:
        values.Kind = 2;
        values.Program = f.Texts[0];
        values.Parameters = f.Texts[1];
        break;
    case TagKind::LaunchNo:
    case TagKind::LaunchYes:
        values.Kind = match.Kind == TagKind::LaunchNo ? 3 : 4;
        values.Delay = f.Numbers[0];
        values.Title = f.Texts[0];
        values.Program = f.Texts[1];
        values.Parameters = f.Texts[2];
        break;
    default:
        break;
    }
    return values;
}

CommandAnswer<ActivateLaunchValues> AcceptActivateLaunch(const ActivateLaunchFields& fields,
                                                         FileSystem& files) {
    using A = ActivateLaunchValues;
    A values;
    values.Kind = fields.Kind;
    if (fields.Kind < 1 || fields.Kind > 4) return Answer("", A{});
    if (fields.Kind != 2) {
        values.Title = FieldText(fields.Title);
        if (values.Title.empty())
            return Refuse<A>("No entry made for Window Title.  Please correct.",
                             kActivateTitleField);
    }
    if (fields.Kind != 1) {
        values.Program = ExistingFile(files, fields.Program);
        if (values.Program.empty())
            return Refuse<A>("Specified Path and Program does not exist.  Please correct.",
                             kActivateProgramField);
        values.Parameters = FieldText(fields.Parameters);
        values.Delay = NumberOrZero(fields.Delay);
        if (values.Delay < 0)
            return Refuse<A>("Value must be greater than zero.", kActivateDelayField);
    }

    TagFields tag;
    switch (fields.Kind) {
    case 1:
        tag.Texts[0] = values.Title;
        return Answer(WriteTag(TagKind::Activate, tag), values);
    case 2:
        tag.Texts[0] = values.Program;
        tag.Texts[1] = values.Parameters;
        return Answer(WriteTag(TagKind::Launch, tag), values);
    default:
        tag.Numbers[0] = values.Delay;
        tag.Texts[0] = values.Title;
        tag.Texts[1] = values.Program;
        tag.Texts[2] = values.Parameters;
        return Answer(WriteTag(fields.Kind == 3 ? TagKind::LaunchNo : TagKind::LaunchYes, tag),
                      values);
    }
}

}  // namespace tavrin
