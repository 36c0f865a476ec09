// The welcome screen the program shows while it loads: its text on a plain colour, then over a picture
// with the progress bar part way.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{
// A picture of size drawn here: a vertical gradient, or a horizontal one for the bar's pieces.
CZuImage* Gradient(const CZuSize& size, const CZuRgb& first, const CZuRgb& second, IZuGc::TGradualType type)
{
    CZuBitmapGc gc(size);
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(first, second, type);
    gc.DrawRoundRect(CZuRect(size), 0);
    CZuImage* drawn = gc.EndDraw();
    CZuImage* copy = new CZuImage();
    copy->CreateEmptyImage(size);
    std::copy(drawn->GetImgBuf(), drawn->GetImgBuf() + size.iWidth * size.iHeight * 4, copy->GetImgBuf());
    return copy;
}
} // namespace

ZU_GALLERY_PAGE(welcome)
{
    CZuUiManager* ui = scene.Ui();
    // The screen exists while it is shown; its text and colours are set on it.
    ui->ShowWelcomeScreen(true);
    ui->SetWelcomeInfo(CZuString("正在载入课程…"));
    ui->SetWelcomeColor(CZuRgb(255, 255, 255), CZuRgb(40, 80, 140));
    scene.Pump();
    scene.Shot("text");

    CZuImage* background = Gradient(CZuSize(CGalleryScene::KWidth, CGalleryScene::KHeight),
                                    CZuRgb(30, 60, 120), CZuRgb(120, 170, 220), IZuGc::EGradualVertical);
    CZuImage* barBack =
        Gradient(CZuSize(16, 10), CZuRgb(220, 226, 236), CZuRgb(180, 190, 205), IZuGc::EGradualVertical);
    CZuImage* barFront =
        Gradient(CZuSize(16, 10), CZuRgb(255, 200, 120), CZuRgb(230, 130, 50), IZuGc::EGradualVertical);
    CZuWelcome* welcome = ui->GetWelcome();
    welcome->SetWelcomeBg(background);
    welcome->SetWelcomeProgressBg(barBack);
    welcome->SetWelcomeProgress(barFront);
    welcome->SetWelcomeProgress(3, 5);
    scene.Pump();
    scene.Shot("progress");
    ui->ShowWelcomeScreen(false);
    for (CZuImage* image : {background, barBack, barFront})
        image->Release();
}
