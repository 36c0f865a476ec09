#include "ZuUi.h"

#include <gtest/gtest.h>

namespace
{
// A menu of two entries: "学习" (10) with "复习" (11) holding "全部" (12) and "本组" (13); "设置" (20).
void Fill(CZuMenuData& menu)
{
    int study = menu.AddMenu();
    menu.AddMenuItem(study, 10, CZuString("学习"));
    menu.GetMenuItem(study, 0)->AddSubMenuItem(11, CZuString("复习"));
    CZuMenuItem* review = menu.GetMenuItem(study, 0)->GetSubmenuItem(0);
    review->AddSubMenuItem(12, CZuString("全部"));
    review->AddSubMenuItem(13, CZuString("本组"));
    int settings = menu.AddMenu();
    menu.AddMenuItem(settings, 20, CZuString("设置"));
}
} // namespace

TEST(MenuDataTest, AnEntryIsCommandOneWithABlankAndItemsAreCountedPerEntry)
{
    CZuMenuData menu;
    EXPECT_EQ(menu.AddMenu(), 0);
    EXPECT_EQ(menu.AddMenu(), 1);
    ASSERT_NE(menu.GetMenu(0), nullptr);
    EXPECT_EQ(menu.GetMenu(0)->GetCommandID(), EZuCmdMenu);
    EXPECT_STREQ(menu.GetMenu(0)->GetItemName().PtrZ(), " ");
    EXPECT_TRUE(menu.GetMenu(0)->IsVisible());
    EXPECT_EQ(menu.AddMenuItem(1, 30, CZuString("a")), 0);
    EXPECT_EQ(menu.AddMenuItem(1, 31, CZuString("b")), 1);
    EXPECT_EQ(menu.GetMenuItemCount(0), 0);
    EXPECT_EQ(menu.GetMenuItemCount(1), 2);
    EXPECT_EQ(menu.GetMenuItem(1, 1)->GetCommandID(), 31);
    menu.RemoveMenuItem(1, 0);
    EXPECT_EQ(menu.GetMenuItem(1, 0)->GetCommandID(), 31);
    menu.RemoveMenu(0);
    EXPECT_EQ(menu.GetMenuCount(), 1);
    EXPECT_EQ(menu.GetMenuItemCount(0), 1);
}

TEST(MenuDataTest, IndexesOutsideTheMenuChangeNothing)
{
    CZuMenuData menu;
    Fill(menu);
    EXPECT_EQ(menu.AddMenuItem(2, 40, CZuString("x")), -1);
    EXPECT_EQ(menu.AddMenuItem(-1, 40, CZuString("x")), -1);
    EXPECT_EQ(menu.GetMenu(2), nullptr);
    EXPECT_EQ(menu.GetMenu(-1), nullptr);
    EXPECT_EQ(menu.GetMenuItem(0, 1), nullptr);
    EXPECT_EQ(menu.GetMenuItem(5, 0), nullptr);
    EXPECT_EQ(menu.GetMenuItemCount(7), 0);
    menu.RemoveMenu(2);
    menu.RemoveMenu(-1);
    menu.RemoveMenuItem(0, 3);
    menu.RemoveMenuItem(3, 0);
    menu.GetMenuItem(0, 0)->RemoveSubmenuItem(-1);
    menu.GetMenuItem(0, 0)->RemoveSubmenuItem(1);
    EXPECT_EQ(menu.GetMenuCount(), 2);
    EXPECT_EQ(menu.GetMenuItemCount(0), 1);
    EXPECT_EQ(menu.GetMenuItem(0, 0)->GetSubmenuItemCount(), 1);
    EXPECT_EQ(menu.GetMenuItem(0, 0)->GetSubmenuItem(1), nullptr);
}

TEST(MenuDataTest, ACommandIsFoundTwoLevelsDeep)
{
    CZuMenuData menu;
    Fill(menu);
    CZuMenuItem* found = menu.GetMenuItemByCmdId(13);
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->GetItemName().PtrZ(), "本组");
    EXPECT_EQ(menu.GetMenuItemByCmdId(20)->GetItemName().Compare(CZuString("设置")), 0);
    EXPECT_EQ(menu.GetMenuItemByCmdId(99), nullptr);
    // Depth first: the first entry's tree before the second entry.
    menu.AddMenuItem(1, 12, CZuString("另一个"));
    EXPECT_STREQ(menu.GetMenuItemByCmdId(12)->GetItemName().PtrZ(), "全部");
    // An item answers for itself first.
    CZuMenuItem* review = menu.GetMenuItemByCmdId(11);
    EXPECT_EQ(review->GetMenuItemByCmdId(11), review);
    EXPECT_TRUE(review->IsHaveSubmenu());
    EXPECT_FALSE(found->IsHaveSubmenu());
}

TEST(MenuDataTest, ItemsAreHiddenAndShownByCommandAtAnyDepth)
{
    CZuMenuData menu;
    Fill(menu);
    menu.MakeItemVisible(12, false);
    EXPECT_FALSE(menu.GetMenuItemByCmdId(12)->IsVisible());
    EXPECT_TRUE(menu.GetMenuItemByCmdId(13)->IsVisible());
    EXPECT_TRUE(menu.GetMenuItemByCmdId(11)->IsVisible());
    menu.MakeItemVisible(20, false);
    EXPECT_FALSE(menu.GetMenuItemByCmdId(20)->IsVisible());
    menu.MakeItemVisible(12, true);
    EXPECT_TRUE(menu.GetMenuItemByCmdId(12)->IsVisible());
    // An unknown command changes nothing.
    menu.MakeItemVisible(99, false);
    EXPECT_TRUE(menu.GetMenuItemByCmdId(13)->IsVisible());
}

TEST(MenuDataTest, RemovingByCommandTakesTheFirstSubItemOnly)
{
    CZuMenuItem item(10, CZuString("学习"));
    item.AddSubMenuItem(11, CZuString("a"));
    item.AddSubMenuItem(12, CZuString("b"));
    item.AddSubMenuItem(11, CZuString("c"));
    item.RemoveSubmenuItemBy(11);
    ASSERT_EQ(item.GetSubmenuItemCount(), 2);
    EXPECT_STREQ(item.GetSubmenuItem(0)->GetItemName().PtrZ(), "b");
    EXPECT_STREQ(item.GetSubmenuItem(1)->GetItemName().PtrZ(), "c");
    item.RemoveSubmenuItemBy(99);
    EXPECT_EQ(item.GetSubmenuItemCount(), 2);
    item.Set(14, CZuString("新"));
    EXPECT_EQ(item.GetCommandID(), 14);
    EXPECT_STREQ(item.GetItemName().PtrZ(), "新");
}

TEST(MenuDataTest, SoftKeyDataStartsEmptyAndTakesBothKeys)
{
    CZuCbaData data;
    EXPECT_EQ(data.GetLeftItem()->GetCommandID(), EZuCmdNone);
    EXPECT_TRUE(data.GetLeftItem()->GetItemName().IsEmpty());
    EXPECT_EQ(data.GetRightItem()->GetCommandID(), EZuCmdNone);
    data.SetCba(EZuCmdMenu, CZuString("选项"), EZuCmdExit, CZuString("退出"));
    EXPECT_EQ(data.GetLeftItem()->GetCommandID(), EZuCmdMenu);
    EXPECT_STREQ(data.GetLeftItem()->GetItemName().PtrZ(), "选项");
    EXPECT_EQ(data.GetRightItem()->GetCommandID(), EZuCmdExit);
    EXPECT_STREQ(data.GetRightItem()->GetItemName().PtrZ(), "退出");
}
