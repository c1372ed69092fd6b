#include "forms/reboot_form.h"

#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

constexpr TagChoice kChoices[] = {
    {TagKind::LogOff}, {TagKind::Reboot}, {TagKind::Shutdown}, {TagKind::PowerOff}};

}  // namespace

RebootFields NewRebootFields() { return {1}; }

RebootFields RebootFieldsOf(const RebootValues& values) { return {values.Kind}; }

RebootValues RebootValuesOf(const TagMatch& match) { return {ChoiceOfTag(kChoices, match)}; }

CommandAnswer<RebootValues> AcceptReboot(const RebootFields& fields) {
    return Answer(TagOfChoice(kChoices, fields.Kind), RebootValues{fields.Kind});
}

}  // namespace tavrin
