#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/sort_order_form.h"

namespace tavrin {
namespace {

using Names = std::vector<std::string>;

TEST(SortOrderForm, ListsFollowTheSettingsMoveAndWriteBack) {
    Settings s;
    s.PrimarySort = "213";
    s.ActivationSort = "21345";
    s.ScopeSort = "5";  // taken as read; the list fills in the rest
    s.SortHeader = false;
    SortOrderForm form(s);
    EXPECT_EQ(form.primary.Shown(), (Names{"Nickname", "Activation", "Scope"}));
    EXPECT_EQ(form.activation.Shown()[0], "Quillet");
    EXPECT_EQ(form.scope.Shown(),
              (Names{"System", "Global", "Specific Window", "Specific Program", "PopUp Menu"}));
    EXPECT_FALSE(form.primary.CanMoveUp(0));
    EXPECT_TRUE(form.primary.CanMoveDown(0));
    EXPECT_FALSE(form.primary.CanMoveDown(2));
    EXPECT_FALSE(form.primary.CanMoveUp(-1));
    EXPECT_FALSE(form.primary.CanMoveDown(-1));
    EXPECT_EQ(form.primary.MoveDown(0), 1);
    EXPECT_EQ(form.primary.MoveUp(0), 0) << "the first item does not move up";
    EXPECT_EQ(form.scope.MoveDown(0), 1);
    form.sortHeader = true;
    form.Store(s);
    EXPECT_EQ(s.PrimarySort, "123");
    EXPECT_EQ(s.ActivationSort, "21345");
    EXPECT_EQ(s.ScopeSort, "15234");
    EXPECT_TRUE(s.SortHeader);
}

}  // namespace
}  // namespace tavrin
