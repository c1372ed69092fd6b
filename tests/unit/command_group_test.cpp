// The player plays each tag through the one command group the tag table
// gives its kind: every kind has exactly one group, every group's handler
// plays every kind of its own, and no handler takes a kind of another group.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "fakes/sample_tag_fields.h"
#include "language/tag_table.h"
#include "language/tag_writer.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

constexpr size_t kGroups = static_cast<size_t>(CommandGroup::Count);
constexpr size_t kKinds = static_cast<size_t>(TagKind::Count);

const char* NameOf(CommandGroup group) {
    static const char* const names[] = {"Keys",      "Window", "Wait",  "Flow",
                                        "DateTime",  "Clipboard", "File", "Sound",
                                        "System",    "Desktop", "Network"};
    static_assert(std::size(names) == kGroups, "a group without a name here");
    const size_t g = static_cast<size_t>(group);
    return g < kGroups ? names[g] : "no group";
}

std::vector<CommandGroup> AllGroups() {
    std::vector<CommandGroup> groups;
    for (size_t g = 0; g < kGroups; ++g) groups.push_back(static_cast<CommandGroup>(g));
    return groups;
}

std::string Written(const TagPattern& p) { return WriteTag(p.Kind, p.Index, SampleFields()); }

// Everything the fakes were asked, as one text, to tell whether a handler did
// anything at all.
std::string Trace(PlaybackRig& rig) {
    std::string t;
    const auto add = [&t](const char* name, const std::vector<std::string>& calls) {
        t += name;
        for (const std::string& c : calls) t += "|" + c;
        t += "\n";
    };
    add("input", rig.input.events);
    add("messages", rig.ui.messages);
    add("text boxes", rig.ui.textBoxes);
    add("videos", rig.ui.videos);
    add("desktop", rig.desktop.actions);
    add("file system", rig.fileSystem.actions);
    add("sound", rig.sound.played);
    add("cd", rig.sound.cd);
    add("hooks", rig.hooks.calls);
    add("host", rig.host.calls);
    add("settings", rig.system.settings.calls);
    add("printers", rig.system.printers.defaults);
    add("shell", rig.system.shell.calls);
    add("drives", rig.system.drives.calls);
    add("dial-up", rig.system.dialUp.calls);
    t += "pauses " + std::to_string(rig.ui.pauses.size()) + ", beeps " +
         std::to_string(rig.sound.beeps) + ", mixer sets " + std::to_string(rig.sound.sets) +
         ", clipboard " + std::to_string(rig.clipboard.changes) + " " + rig.clipboard.text +
         ", waits " + std::to_string(rig.pump.waits.size()) + "\n";
    return t;
}

TEST(CommandGroups, EveryKindIsClaimedByExactlyOneGroup) {
    EXPECT_EQ(CommandGroupOf(TagKind::Literal), CommandGroup::Count) << "a literal is no tag";
    EXPECT_EQ(CommandGroupOf(TagKind::Count), CommandGroup::Count);
    std::vector<int> kindsOfGroup(kGroups);
    for (size_t k = 1; k < kKinds; ++k) {
        const CommandGroup group = CommandGroupOf(static_cast<TagKind>(k));
        ASSERT_LT(static_cast<size_t>(group), kGroups) << "kind " << k << " has no group";
        ++kindsOfGroup[static_cast<size_t>(group)];
    }
    for (const TagPattern& p : TagTable())
        EXPECT_EQ(p.Group, CommandGroupOf(p.Kind))
            << p.Keyword << " is in " << NameOf(p.Group) << ", its kind in "
            << NameOf(CommandGroupOf(p.Kind));
    for (CommandGroup group : AllGroups())
        EXPECT_GT(kindsOfGroup[static_cast<size_t>(group)], 0)
            << NameOf(group) << " plays no kind";
}

// Every tag of the table, through every group, each time on fresh fakes.
TEST(CommandGroups, EachGroupPlaysItsOwnKindsAndTakesNoOther) {
    for (const TagPattern& p : TagTable()) {
        const std::string tag = Written(p);
        ASSERT_FALSE(tag.empty()) << p.Keyword;
        for (CommandGroup group : AllGroups()) {
            PlaybackRig rig;
            const std::string before = Trace(rig);
            const bool played = rig.player.PlayTagThrough(group, tag);
            if (group == p.Group) {
                EXPECT_TRUE(played) << NameOf(group) << " does not play its own " << tag;
            } else {
                EXPECT_FALSE(played) << NameOf(group) << " takes " << tag << " of "
                                     << NameOf(p.Group);
                EXPECT_EQ(Trace(rig), before)
                    << NameOf(group) << " did something with " << tag << " of "
                    << NameOf(p.Group);
            }
        }
    }
}

// A tag its group did not take would be typed, "<" first: no tag is.
TEST(CommandGroups, PlaybackHandsEveryTagToItsGroup) {
    for (const TagPattern& p : TagTable()) {
        PlaybackRig rig;
        const std::string tag = Written(p);
        ASSERT_TRUE(rig.player.PlayTopLevel(tag));
        for (const std::string& e : rig.input.events)
            EXPECT_NE(e, "down 188") << tag << " was typed";
    }
}

TEST(CommandGroups, TextWithoutATagIsPlayedByNoGroup) {
    for (CommandGroup group : AllGroups()) {
        PlaybackRig rig;
        EXPECT_FALSE(rig.player.PlayTagThrough(group, "a<TAB>")) << NameOf(group);
        EXPECT_FALSE(rig.player.PlayTagThrough(group, "<NOTATAG>")) << NameOf(group);
        EXPECT_FALSE(rig.player.PlayTagThrough(group, "")) << NameOf(group);
        EXPECT_TRUE(rig.input.events.empty()) << NameOf(group);
    }
}

}  // namespace
}  // namespace tavrin
