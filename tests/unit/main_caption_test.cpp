#include "forms/main_caption.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(MainCaption, NameWithoutFolderAndExtensionThenDateAndBrowseMode) {
    CaptionState s;
    s.currentFile = "C:\\MACROS\\Work.ZYN";
    EXPECT_EQ(MainCaption(s), "Tavrin 99 (Work)");
    s.showDate = true;
    s.date = "1/4/2027";
    s.time = "9:05:00 AM";
    s.browseMode = true;
    EXPECT_EQ(MainCaption(s), "Tavrin 99 (Work)     1/4/2027  9:05:00 AM    (Browse Mode)");
    s.showDate = false;
    s.browseAllMode = true;
    EXPECT_EQ(MainCaption(s), "Tavrin 99 (Work)    (Browse All Mode)") << "Browse All wins";
    s.currentFile = "ABC";
    s.browseMode = s.browseAllMode = false;
    EXPECT_EQ(MainCaption(s), "Tavrin 99 (ABC)") << "a name too short to cut stays whole";
}

}  // namespace
}  // namespace tavrin
