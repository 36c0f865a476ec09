// What an image box costs with a 4000 x 3000 photograph: the first draw at a size, which scales the picture
// (target 40 ms), and a redraw from the copy kept for that size (target 1 ms).
#include "ZuUi.h"

#include <benchmark/benchmark.h>

namespace
{
class CBenchUi : public CZuUiManager
{
public:
    void StartL() override {}
    void Release() override {}
};

// A picture full of detail: every pixel differs from its neighbours.
CZuImage* MakePhoto(int width, int height)
{
    CZuImage* photo = new CZuImage();
    photo->CreateEmptyImage(CZuSize(width, height));
    unsigned char* p = photo->GetImgBuf();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, p += 4)
        {
            p[0] = static_cast<unsigned char>(x * 7 + y);
            p[1] = static_cast<unsigned char>(x ^ y);
            p[2] = static_cast<unsigned char>(y * 3 - x);
            p[3] = 255;
        }
    return photo;
}

// A 480 x 360 user interface whose client area is one image box.
class CPhotoScreen
{
public:
    explicit CPhotoScreen(int mode) : iScreen(CZuSize(480, 360)), iPhoto(MakePhoto(4000, 3000))
    {
        CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
        root->SetRect(CZuRect(0, 0, 480, 360));
        iUi.SetPlatWindow(root, true);
        CZuEnv::UiSetting()->Construct();
        iBox = new CZuImageBox(root);
        iBox->SetRect(CZuRect(0, 0, 480, 332));
        iBox->SetDisplayMode(mode);
        iBox->SetImage(iPhoto, false);
    }
    ~CPhotoScreen()
    {
        iBox->SetImage(nullptr, false);
        iPhoto->Release();
    }
    void Draw()
    {
        iBox->DrawCtrl(iScreen, iBox->Rect());
        benchmark::DoNotOptimize(iScreen.EndDraw()->GetImgBuf()[4 * (160 * 480 + 240)]);
    }

    CBenchUi iUi;
    CZuBitmapGc iScreen;
    CZuImage* iPhoto;
    CZuImageBox* iBox;
};

void BM_ImageBoxScaleOnce(benchmark::State& state)
{
    CPhotoScreen screen(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        // A new picture for the box: its copy is made again on the draw.
        screen.iBox->SetImage(nullptr, false);
        screen.iBox->SetImage(screen.iPhoto, false);
        screen.Draw();
    }
}
BENCHMARK(BM_ImageBoxScaleOnce)->Arg(CZuImageBox::EModeStretch)->Arg(CZuImageBox::EModeFit)->Unit(benchmark::kMillisecond);

void BM_ImageBoxCachedRedraw(benchmark::State& state)
{
    CPhotoScreen screen(static_cast<int>(state.range(0)));
    screen.Draw();
    for (auto _ : state)
        screen.Draw();
}
BENCHMARK(BM_ImageBoxCachedRedraw)->Arg(CZuImageBox::EModeStretch)->Arg(CZuImageBox::EModeFit)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
