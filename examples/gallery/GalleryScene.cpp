#include "GalleryScene.h"
#include "GalleryRegistry.h"

#include "TestCard.h"
#include "ZuRootWnd.h"
#include "ZuUi.h"

namespace
{
const CZuRgb KScreenColour(231, 239, 246);
const CZuRgb KCaptionColour(40, 48, 64);
} // namespace

CGalleryCaption::CGalleryCaption(CZuControl* parent, const char* text, const CZuRect& rect)
    : CZuControl(parent, true, EZuCtrlLabel), iCaption(text)
{
    SetRect(rect);
    SetReadOnly(true);
}

void CGalleryCaption::Draw(CZuGc& gc, const CZuRect& rect)
{
    gc.UseFont(GetFont());
    gc.SetDrawColor(KCaptionColour);
    gc.DrawTextW(iCaption, rect, EAlignLeft, 0, 0);
    gc.DiscardFont();
}

std::map<std::string, TGalleryPage>& GalleryPages()
{
    static std::map<std::string, TGalleryPage> pages;
    return pages;
}

CGalleryRegistrar::CGalleryRegistrar(const char* name, TGalleryPage page)
{
    GalleryPages()[name] = page;
}

// The gallery's UI manager: its own observer, drawing into the scene's picture.
class CGalleryUi : public CZuUiManager, public MZuUiManagerObserver
{
public:
    CGalleryUi() : iScreen(CZuSize(CGalleryScene::KWidth, CGalleryScene::KHeight)) {}
    void StartL() override {}
    void Release() override {}
    void HandleExit() override {}
    void HandleDraw() override { UiDraw(iScreen, GetUiRect()); }
    bool HandleMessage(CZuMessage* message) override
    {
        iMessages.push_back(TGalleryMessage{message->iType, message->iParam1, message->iParam2});
        return CZuUiManager::HandleMessage(message);
    }

    CZuBitmapGc iScreen;
    std::vector<TGalleryMessage> iMessages;
};

// The window description: a root pane with the client area over a command bar.
class CGalleryWnd : public CZuRootWnd
{
public:
    explicit CGalleryWnd(CZuControl* parent) : CZuRootWnd(parent)
    {
        SetWndName(CZuString("GalleryWnd"));
        iCba = LayOutClientOverCba(CGalleryScene::KCbaHeight);
    }

    CZuCba* iCba;
};

CGalleryScene::CGalleryScene(const std::string& resourceDir, const std::string& outDir,
                             const std::string& page)
    : iOutDir(outDir), iPage(page), iClock(new CZuManualClock), iUi(new CGalleryUi)
{
    CZuEnv::StringMgr()->AddStringRes(CZuString((resourceDir + "res/ZuUi_zh.bin").c_str()));
    CZuEnv::ImageMgr()->AddImagePath(CZuString((resourceDir + "res/img/").c_str()));
    CZuEnv::UiSetting()->Construct();

    CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
    root->SetRect(CZuRect(0, 0, KWidth, KHeight));
    iUi->SetPlatWindow(root, true);
    iUi->SetObserver(iUi);
    iUi->SetBgColor(KScreenColour);
    iWnd = new CGalleryWnd(root);
    iUi->AppendWnd(iWnd);
    iUi->SwitchWnd(CZuString("GalleryWnd"));
    iWnd->SetWndRect(CZuRect(0, 0, KWidth, KHeight));
    iClient = new CZuControl(iWnd->GetWnd(), true, EZuCtrlPane);
    iClient->SetRect(iUi->GetClientRect());
}

CGalleryScene::~CGalleryScene()
{
    iUi->SetObserver(nullptr);
    delete iUi;
    delete iClock;
}

CZuUiManager* CGalleryScene::Ui()
{
    return iUi;
}

CZuControl* CGalleryScene::Client()
{
    return iClient;
}

CZuRect CGalleryScene::ClientRect() const
{
    return iUi->GetClientRect();
}

CZuCba* CGalleryScene::Cba()
{
    return iWnd->iCba;
}

CZuManualClock& CGalleryScene::Clock()
{
    return *iClock;
}

void CGalleryScene::Advance(int ms)
{
    iClock->Advance(ms);
}

void CGalleryScene::Pump()
{
    for (int i = 0; i < 400 && CZuEnv::MsgProcessor()->GetQueueCount() > 0; ++i)
        iClock->Advance(CZuMessageProcessor::KTickMs);
}

void CGalleryScene::KeyDown(unsigned code)
{
    iUi->OnKeyDown(code, 1, 0);
}

void CGalleryScene::KeyUp(unsigned code)
{
    iUi->OnKeyUp(code, 1u | (1u << 30) | (1u << 31), 0);
}

void CGalleryScene::TypeChar(unsigned code)
{
    iUi->OnChar(code, 1, 0);
    Pump();
}

void CGalleryScene::PressKey(unsigned code)
{
    KeyDown(code);
    KeyUp(code);
    Pump();
}

void CGalleryScene::Pointer(TZuPointerType type, int x, int y)
{
    TZuPointerEvent event;
    event.iType = type;
    event.iFlags = (type == EZuPointerDown || type == EZuPointerDrag) ? EZuButtonLeft : 0;
    event.iPosition = CZuPoint(x, y);
    iUi->HandlePointerEventL(event);
}

void CGalleryScene::Click(int x, int y)
{
    Pointer(EZuPointerDown, x, y);
    Pointer(EZuPointerUp, x, y);
    Pump();
}

void CGalleryScene::Wheel(int steps, int x, int y)
{
    TZuPointerEvent event;
    event.iType = EZuPointerWheel;
    event.iPosition = CZuPoint(x, y);
    event.iValue1 = steps;
    iUi->HandlePointerEventL(event);
    Pump();
}

void CGalleryScene::Draw()
{
    iUi->HandleDraw();
}

CZuBitmapGc& CGalleryScene::Screen()
{
    return iUi->iScreen;
}

bool CGalleryScene::Shot(const std::string& name)
{
    Draw();
    if (iOutDir.empty())
        return true;
    CZuImage* picture = iUi->iScreen.EndDraw();
    std::string path = iOutDir + "/" + iPage + "-" + name + ".png";
    if (!WritePng(path, picture->GetImgBuf(), picture->Size().iWidth, picture->Size().iHeight))
        return false;
    ++iShots;
    return true;
}

const std::vector<TGalleryMessage>& CGalleryScene::Messages() const
{
    return iUi->iMessages;
}

int CGalleryScene::CountMessages(unsigned type) const
{
    int count = 0;
    for (const TGalleryMessage& message : iUi->iMessages)
        count += message.iType == type ? 1 : 0;
    return count;
}

void CGalleryScene::ClearMessages()
{
    iUi->iMessages.clear();
}

unsigned CGalleryScene::PixelAt(int x, int y)
{
    CZuImage* picture = iUi->iScreen.EndDraw();
    const unsigned char* p = picture->GetImgBuf() + (y * picture->Size().iWidth + x) * 4;
    return (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
}

CZuImage* CGalleryScene::MakeTile(const CZuSize& size, int radius, const CZuRgb& top, const CZuRgb& bottom,
                                  const char* glyph)
{
    const CZuRect tile(size);
    // The tile's shape as coverage, white on black: its rounded edges become the tile's alpha.
    CZuBitmapGc shape(size);
    shape.SetDrawColor(CZuRgb(0, 0, 0));
    shape.Clear();
    shape.SetDrawStyle(IZuGc::EDrawFill);
    shape.SetDrawColor(CZuRgb(255, 255, 255));
    shape.DrawRoundRect(tile, radius);
    // The face fills the whole rectangle, so that no edge pixel carries a colour from around the tile.
    CZuBitmapGc face(size);
    face.SetDrawStyle(IZuGc::EDrawGradual);
    face.SetDrawColor2(top, bottom, IZuGc::EGradualVertical);
    face.DrawRect(tile);
    if (glyph)
    {
        // The character takes about half the tile's height.
        CZuFont* font = CZuEnv::FontMgr()->GetFont(EFontTitle, size.iHeight * 100 / 16 / 2 + 25, false);
        face.UseFont(font);
        face.SetDrawColor(CZuRgb(255, 255, 255));
        face.DrawTextW(CZuString(glyph), tile, EAlignCenter, 0, 0);
        face.DiscardFont();
        CZuEnv::FontMgr()->ReleaseFont(font);
    }
    // A copy that the context does not own, with the shape as its alpha.
    CZuImage* drawn = face.EndDraw();
    CZuImage* image = drawn->GetSubImage(tile, drawn->Size());
    unsigned char* pixels = image->GetImgBuf();
    const unsigned char* coverage = shape.EndDraw()->GetImgBuf();
    if (!pixels)
        return image;
    for (int i = 0; i < size.iWidth * size.iHeight; ++i)
        pixels[i * 4 + 3] = coverage[i * 4 + 2];
    image->SetHaveAlpha(true);
    return image;
}

CZuImage* CGalleryScene::MakeIcon(const char* glyph, const CZuRgb& top, const CZuRgb& bottom, int side)
{
    return MakeTile(CZuSize(side, side), side / 5, top, bottom, glyph);
}
