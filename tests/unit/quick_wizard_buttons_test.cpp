#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/quick_wizard_buttons.h"

namespace tavrin {
namespace {

using Names = std::vector<std::string>;

TEST(QuickWizardButtons, LinesNamesAndTheFullFile) {
    EXPECT_EQ(QuickWizardLines(1), (Names{"Type Text", "and", "Keystrokes"}));
    EXPECT_EQ(QuickWizardLines(23), (Names{"Desktop", "Goodies"}));
    EXPECT_TRUE(QuickWizardLines(28).empty());
    EXPECT_EQ(QuickWizardName(18), "Web Sweepstakes");
    EXPECT_EQ(QuickWizardName(11), "Copy, Delete, Rename");
    int two = 0;
    for (int n = 1; n <= kQuickWizardButtons; ++n) {
        const size_t lines = QuickWizardLines(n).size();
        EXPECT_TRUE(lines == 2 || lines == 3) << n;
        two += lines == 2;
    }
    EXPECT_EQ(two, 3);  // 8, 12 and 23
    EXPECT_EQ(QuickWizardLineTop(3, 2), 30);
    EXPECT_EQ(QuickWizardLineTop(2, 1), 24);
    EXPECT_EQ(QuickWizardRefusal(499), "");
    EXPECT_EQ(QuickWizardRefusal(500),
              "Maximum number of hot keys has been reached.  A macro cannot be added.");
}

}  // namespace
}  // namespace tavrin
