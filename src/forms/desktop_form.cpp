#include "forms/desktop_form.h"

#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

using K = TagKind;

constexpr TagChoice kChoices[kDesktopChoices] = {
    {K::Cascade},         {K::TileVertical},     {K::TileHorizontal},   {K::MinimizeAll},
    {K::RestoreAll},      {K::Suspend},          {K::Undock},           {K::RunDateTime},
    {K::RunFindComputer}, {K::RunFindFiles},     {K::RunProgram},       {K::ExploreFolder, 0},
    {K::ExploreFolder, 1}, {K::ExploreFolder, 2}, {K::ExploreFolder, 3}, {K::ExploreFolder, 4},
    {K::ExploreFolder, 5}, {K::ExploreFolder, 6}, {K::ExploreFolder, 7}, {K::ExploreFolder, 8},
    {K::ExploreFolder, 9}, {K::ExploreFolder, 10}, {K::ExploreFolder, 11}, {K::ExploreFolder, 12},
    {K::ExploreFolder, 13},
};

}  // namespace

DesktopFields NewDesktopFields() { return {1}; }

DesktopFields DesktopFieldsOf(const DesktopValues& values) { return {values.Kind}; }

DesktopValues DesktopValuesOf(const TagMatch& match) { return {ChoiceOfTag(kChoices, match)}; }

CommandAnswer<DesktopValues> AcceptDesktop(const DesktopFields& fields) {
    return Answer(TagOfChoice(kChoices, fields.Kind), DesktopValues{fields.Kind});
}

bool DesktopChoiceEnabled(int kind, bool shellAutomation) { return kind <= 3 || shellAutomation; }

}  // namespace tavrin
