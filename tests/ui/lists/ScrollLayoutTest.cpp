#include "ListTestSupport.h"

namespace
{

class ScrollLayoutTest : public CListRoomTest
{
protected:
    ScrollLayoutTest()
    {
        iFirst = new CRecordingControl(iRoot);
        iFirst->SetPredefinedSize(CZuSize(100, 40));
        iSecond = new CRecordingControl(iRoot);
        iSecond->SetPredefinedSize(CZuSize(60, 30));
        iNested.AppendRow(iSecond, 60, 30);
        iLayout.AppendRow(iFirst, 100, 40);
        iLayout.AppendRow(&iNested, 60, 30);
        iLayout.SetRect(CZuRect(0, 0, 200, 100));
        iLayout.DoLayout();
    }

    CRecordingControl* iFirst;
    CRecordingControl* iSecond;
    CZuLayout iNested;
    CZuScrollLayout iLayout;
};

TEST_F(ScrollLayoutTest, ScrollingMovesControlsAndNestedLayouts)
{
    CZuRect first = iFirst->Rect();
    CZuRect second = iSecond->Rect();
    iLayout.ScrollTo(5, 20);
    EXPECT_EQ(5, iLayout.GetScrollPosX());
    EXPECT_EQ(20, iLayout.GetScrollPosY());
    first.Move(-5, -20);
    second.Move(-5, -20);
    EXPECT_EQ(first, iFirst->Rect());
    EXPECT_EQ(second, iSecond->Rect());
    iLayout.Scroll(-5, 10);
    first.Move(5, -10);
    EXPECT_EQ(first, iFirst->Rect());
    EXPECT_EQ(30, iLayout.GetScrollPosY());
}

TEST_F(ScrollLayoutTest, LayingOutAgainKeepsThePosition)
{
    iLayout.ScrollTo(0, 0);
    CZuRect unscrolled = iFirst->Rect();
    iLayout.ScrollTo(0, 15);
    iLayout.DoLayout();
    unscrolled.Move(0, -15);
    EXPECT_EQ(unscrolled, iFirst->Rect());
    iLayout.ScrollTo(0, 0);
    unscrolled.Move(0, 15);
    EXPECT_EQ(unscrolled, iFirst->Rect());
}

} // namespace
