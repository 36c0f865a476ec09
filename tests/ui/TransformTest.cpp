#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// Runs a slide of the given effect over area to its end; returns the number of steps (0: it never ended).
int RunSlide(TZuTransEffect effect, const CZuRect& area, CZuBitmapGc& target, CZuTransform& transform)
{
    CZuBitmapGc oldPicture(target.BitmapSize());
    CZuBitmapGc newPicture(target.BitmapSize());
    oldPicture.SetDrawColor(CZuRgb(255, 0, 0));
    oldPicture.Clear();
    newPicture.SetDrawColor(CZuRgb(0, 0, 255));
    newPicture.Clear();
    transform.SetEffect(effect);
    transform.SetPictures(oldPicture.EndDraw(), newPicture.EndDraw());
    transform.SetRects(area, area, area);
    for (int step = 1; step <= 1000; ++step)
    {
        if (transform.Step(target))
            return step;
    }
    return 0;
}
} // namespace

class TransformTest : public ::testing::Test
{
protected:
    CZuManualClock iClock;
};

TEST_F(TransformTest, NarrowAndLowAreasStillEnd)
{
    for (int effect = EZuTransFromLeft; effect <= EZuTransFromBottom; ++effect)
    {
        CZuBitmapGc target(CZuSize(7, 5));
        CZuTransform transform;
        int steps = RunSlide(TZuTransEffect(effect), CZuRect(0, 0, 7, 5), target, transform);
        EXPECT_EQ(transform.HorizStep(), 1) << effect;
        EXPECT_EQ(transform.VertStep(), 1) << effect;
        EXPECT_EQ(steps, effect <= EZuTransFromRight ? 7 : 5) << effect;
        // The new picture covers the whole area at the end.
        EXPECT_EQ(PixelAt(target, 0, 0), 0x0000FFu) << effect;
        EXPECT_EQ(PixelAt(target, 6, 4), 0x0000FFu) << effect;
    }
}

TEST_F(TransformTest, WideAreaTakesEightStepsOfAnEighth)
{
    CZuBitmapGc target(CZuSize(80, 40));
    CZuTransform transform;
    EXPECT_EQ(RunSlide(EZuTransFromLeft, CZuRect(0, 0, 80, 40), target, transform), 8);
    EXPECT_EQ(transform.HorizStep(), 10);
    EXPECT_EQ(transform.VertStep(), 5);
    EXPECT_EQ(transform.EdgePosition(), 80);
}

TEST_F(TransformTest, SlideFromTheRightShowsBothPicturesHalfWay)
{
    CZuBitmapGc target(CZuSize(80, 40));
    CZuBitmapGc oldPicture(CZuSize(80, 40));
    CZuBitmapGc newPicture(CZuSize(80, 40));
    oldPicture.SetDrawColor(CZuRgb(255, 0, 0));
    oldPicture.Clear();
    newPicture.SetDrawColor(CZuRgb(0, 0, 255));
    newPicture.Clear();
    CZuTransform transform;
    transform.SetEffect(EZuTransFromRight);
    transform.SetPictures(oldPicture.EndDraw(), newPicture.EndDraw());
    transform.SetRects(CZuRect(0, 0, 80, 40), CZuRect(0, 0, 80, 40), CZuRect(0, 0, 80, 40));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(transform.Step(target));
    EXPECT_EQ(transform.EdgePosition(), 40);
    EXPECT_EQ(PixelAt(target, 39, 20), 0xFF0000u);
    EXPECT_EQ(PixelAt(target, 40, 20), 0x0000FFu);
}

TEST_F(TransformTest, NoEffectDrawsTheNewPictureAtOnce)
{
    CZuBitmapGc target(CZuSize(10, 10));
    CZuTransform transform;
    EXPECT_EQ(RunSlide(EZuTransNone, CZuRect(0, 0, 10, 10), target, transform), 1);
    EXPECT_EQ(PixelAt(target, 5, 5), 0x0000FFu);
}
