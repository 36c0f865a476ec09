#ifndef GALLERYSCENE_H
#define GALLERYSCENE_H

#include "ZuControl.h"
#include "ZuPointerType.h"
#include "ZuRect.h"

#include <cstdint>
#include <string>
#include <vector>

class CZuBitmapGc;
class CZuCba;
class CZuImage;
class CZuRgb;
class CZuControl;
class CZuManualClock;
class CZuUiManager;
class CGalleryUi;
class CGalleryWnd;

// A message as the scene's UI manager received it.
struct TGalleryMessage
{
    unsigned iType;
    uintptr_t iParam1;
    uintptr_t iParam2;
};

// One screen of the toolkit's gallery: a UI manager on a clock the page advances, drawing a 480 x 360
// window (a root pane with a client area over a command bar) into an off-screen picture that Shot writes
// as PNG. No display is needed. The toolkit's string table and images are read from resourceDir (the
// program's directory, ending with "/"), so soft keys and titles show their Chinese texts.
class CGalleryScene
{
public:
    static const int KWidth = 480;
    static const int KHeight = 360;
    static const int KCbaHeight = 28;

    // outDir: where Shot writes (empty: nowhere); page: the prefix of the files written.
    CGalleryScene(const std::string& resourceDir, const std::string& outDir, const std::string& page);
    ~CGalleryScene();

    CZuUiManager* Ui();
    // The pane over the client area, parent of the page's controls; it fills ClientRect().
    CZuControl* Client();
    CZuRect ClientRect() const;
    CZuCba* Cba();
    CZuManualClock& Clock();

    // Runs the clock by ms (the message queue and the toolkit's timers run with it).
    void Advance(int ms);
    // Runs the message queue until it is empty (at most a few hundred ticks).
    void Pump();
    // A key pressed and released as the window delivers it, then the queue run.
    void PressKey(unsigned code);
    void KeyDown(unsigned code);
    void KeyUp(unsigned code);
    void TypeChar(unsigned code);
    void Pointer(TZuPointerType type, int x, int y);
    // Down and up at (x, y), then the queue run.
    void Click(int x, int y);
    void Wheel(int steps, int x, int y);

    // Draws the whole user interface now, into Screen().
    void Draw();
    CZuBitmapGc& Screen();
    // Draws and writes <outDir>/<page>-<name>.png; false when it could not be written.
    bool Shot(const std::string& name);
    int ShotCount() const { return iShots; }
    // The messages that reached the UI manager (its own types, and every message nobody else took), oldest
    // first; tests read what controls posted from here.
    const std::vector<TGalleryMessage>& Messages() const;
    int CountMessages(unsigned type) const;
    void ClearMessages();
    // The picture's pixel at (x, y) as 0xRRGGBB.
    unsigned PixelAt(int x, int y);

    // A tile drawn here and now: a rectangle of size with round corners of radius, in a gradient from top
    // to bottom, with one character (UTF-8) on it in white when glyph is not null. Its alpha is the tile's
    // shape: the corners are transparent and the rounded edges blend with what the tile is drawn on. The
    // caller owns it (Release()).
    static CZuImage* MakeTile(const CZuSize& size, int radius, const CZuRgb& top, const CZuRgb& bottom,
                              const char* glyph);
    // An icon for pages whose controls show icons: a square tile of side with the character on it.
    static CZuImage* MakeIcon(const char* glyph, const CZuRgb& top, const CZuRgb& bottom, int side);

private:
    CGalleryScene(const CGalleryScene&) = delete;
    CGalleryScene& operator=(const CGalleryScene&) = delete;

    std::string iOutDir;
    std::string iPage;
    CZuManualClock* iClock;
    CGalleryUi* iUi;
    CGalleryWnd* iWnd;
    CZuControl* iClient;
    int iShots = 0;
};

// A line of text naming what stands beside it, left-aligned in the gallery's caption colour; it takes no
// focus.
class CGalleryCaption : public CZuControl
{
public:
    CGalleryCaption(CZuControl* parent, const char* text, const CZuRect& rect);
    void Draw(CZuGc& gc, const CZuRect& rect) override;

private:
    CZuString iCaption;
};

// A page of the gallery: a function that builds controls in a scene and takes its shots.
typedef void (*TGalleryPage)(CGalleryScene& scene);

// Registers a page under a name; pages run in the order of their names.
class CGalleryRegistrar
{
public:
    CGalleryRegistrar(const char* name, TGalleryPage page);
};

// Defines and registers a gallery page: ZU_GALLERY_PAGE(buttons) { ... scene.Shot("normal"); }
#define ZU_GALLERY_PAGE(name)                                                                                \
    static void GalleryPage_##name(CGalleryScene& scene);                                                    \
    static CGalleryRegistrar galleryRegistrar_##name(#name, GalleryPage_##name);                             \
    static void GalleryPage_##name(CGalleryScene& scene)

#endif // GALLERYSCENE_H
