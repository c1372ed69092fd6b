#include <gtest/gtest.h>

#include "forms/default_printer_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

TEST(DefaultPrinterFormTest, TheListLeavesOutTheFirstName) {
    EXPECT_TRUE(PrinterChoices({}).empty());
    EXPECT_TRUE(PrinterChoices({"Fax"}).empty());
    EXPECT_EQ(PrinterChoices({"Fax", "Laser", "Ink"}),
              (std::vector<std::string>{"Laser", "Ink"}));
}

TEST(DefaultPrinterFormTest, TheLineSelectedAtOpening) {
    const std::vector<std::string> choices = {"Laser", "Ink"};
    EXPECT_EQ(ListLine(choices, NewDefaultPrinterFields().Name), 0);
    EXPECT_EQ(ListLine({}, NewDefaultPrinterFields().Name), -1);
    EXPECT_EQ(ListLine(choices, "Ink"), 1);
    EXPECT_EQ(ListLine(choices, "ink"), -1) << "names compare exactly";
}

TEST(DefaultPrinterFormTest, TheSelectedNameIsTheTag) {
    const auto none = AcceptDefaultPrinter({""});
    EXPECT_EQ(none.Refused.Message, "No printer setting selected.");
    const char* tag = "<DEFPRT:HP LaserJet 4>";
    const auto answer = AcceptDefaultPrinter(
        DefaultPrinterFieldsOf(DefaultPrinterValuesOf(Recognise(tag, 0))));
    ASSERT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Text, tag);
    EXPECT_EQ(answer.Entered.Name, "HP LaserJet 4");
}

}  // namespace
}  // namespace tavrin
