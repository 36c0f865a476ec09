#include "GalleryContactSheet.h"

#include "GalleryScene.h"
#include "TestCard.h"
#include "ZuUi.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace
{
const int KColumns = 8;
const int KScale = 4;
const int KGap = 12;
const CZuRgb KSheetColour(245, 247, 250);
const CZuRgb KFrameColour(170, 180, 195);
const CZuRgb KPageColour(110, 120, 140);
const CZuRgb KCaptionColour(40, 48, 64);

// The pictures of one page in dir, by name.
std::vector<std::string> ShotsOf(const std::string& dir, const std::string& page)
{
    std::vector<std::string> shots;
    CZuObjectList* entries = nullptr;
    if (CZuDir::GetDir(CZuString((dir + "/*").c_str()), CZuDir::EListFiles, CZuDir::EOrderDirsFirst,
                       &entries) != CZuDir::EDirOk)
        return shots;
    const std::string prefix = page + "-";
    for (int i = 0; i < entries->GetCount(); ++i)
    {
        const std::string name = static_cast<CZuDirEntry*>(entries->GetAt(i))->iName.PtrZ();
        const bool png = name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0;
        if (png && name.compare(0, prefix.size(), prefix) == 0)
            shots.push_back(name);
    }
    delete entries;
    std::sort(shots.begin(), shots.end());
    return shots;
}

// A picture read back as an image the caller releases; null when it cannot be read.
CZuImage* ReadImage(const std::string& path)
{
    std::vector<unsigned char> bgra;
    int width = 0, height = 0;
    if (!ReadPng(path, bgra, width, height) || width <= 0 || height <= 0)
        return nullptr;
    CZuImage* image = new CZuImage();
    image->CreateEmptyImage(CZuSize(width, height));
    if (!image->GetImgBuf())
    {
        image->Release();
        return nullptr;
    }
    std::memcpy(image->GetImgBuf(), bgra.data(), bgra.size());
    return image;
}

// The picture's own name: without the page, its "-" and ".png".
std::string ShotName(const std::string& page, const std::string& file)
{
    return file.substr(page.size() + 1, file.size() - page.size() - 5);
}

// One line of a caption centred in rect, shortened with "…" when it is wider.
void DrawCaption(CZuGc& gc, CZuFont& font, std::string text, const CZuRect& rect)
{
    const std::string whole = text;
    while (text.size() > 1 && font.TextWidthInPixels(CZuString((text + "…").c_str())) > rect.Width() - 2 &&
           font.TextWidthInPixels(CZuString(text.c_str())) > rect.Width() - 2)
        text.pop_back();
    if (text.size() < whole.size())
        text += "…";
    gc.DrawTextW(CZuString(text.c_str()), rect, EAlignCenter, 0, 0);
}
} // namespace

bool WriteContactSheet(const std::string& dir, const std::vector<std::string>& pages, const std::string& file)
{
    // Each picture with the page it belongs to.
    std::vector<std::pair<std::string, std::string>> shots;
    for (const std::string& page : pages)
        for (const std::string& shot : ShotsOf(dir, page))
            shots.push_back(std::make_pair(page, shot));
    if (shots.empty())
        return false;
    // An environment for the captions' font.
    CGalleryScene scene("", "", "contact-sheet");
    const int thumbWidth = CGalleryScene::KWidth / KScale;
    const int thumbHeight = CGalleryScene::KHeight / KScale;
    CZuFont* font = CZuEnv::AcquireFont(EFontUi, 100, false);
    const int lineHeight = font->HeightInPixels() + 1;
    // The captions may use the gaps beside the picture; a column is widened for the widest caption, so that
    // none is cut.
    int widest = 0;
    for (const auto& shot : shots)
    {
        widest = std::max(widest, font->TextWidthInPixels(CZuString(shot.first.c_str())));
        widest =
            std::max(widest, font->TextWidthInPixels(CZuString(ShotName(shot.first, shot.second).c_str())));
    }
    const int slotWidth = std::max(thumbWidth, widest + 4 - KGap);
    const int cellWidth = slotWidth + KGap;
    const int cellHeight = thumbHeight + 2 * lineHeight + KGap;
    const int rows = (static_cast<int>(shots.size()) + KColumns - 1) / KColumns;
    const CZuSize sheetSize(KColumns * cellWidth + KGap, rows * cellHeight + KGap);
    CZuBitmapGc sheet(sheetSize);
    sheet.SetDrawColor(KSheetColour);
    sheet.Clear();
    sheet.UseFont(font);
    for (size_t i = 0; i < shots.size(); ++i)
    {
        const int cellLeft = KGap + static_cast<int>(i % KColumns) * cellWidth;
        const int left = cellLeft + (slotWidth - thumbWidth) / 2;
        const int top = KGap + static_cast<int>(i / KColumns) * cellHeight;
        const std::string& page = shots[i].first;
        const std::string& name = shots[i].second;
        CZuImage* picture = ReadImage(dir + "/" + name);
        if (picture)
        {
            // The same scaler the image box uses: large reductions average whole blocks of pixels.
            CZuScaledImage thumb;
            if (CZuImage* small = thumb.Get(picture, CZuSize(thumbWidth, thumbHeight)))
                sheet.DrawImage(CZuPoint(left, top), small, CZuRect(small->Size()));
            picture->Release();
        }
        sheet.SetDrawStyle(IZuGc::EDrawOutline);
        sheet.SetDrawColor(KFrameColour);
        sheet.DrawRect(CZuRect(left - 1, top - 1, left + thumbWidth, top + thumbHeight));
        // The page on the first line, the picture's own name on the second.
        const std::string shot = ShotName(page, name);
        const int captionLeft = cellLeft - KGap / 2 + 1;
        const int captionRight = cellLeft + slotWidth + KGap / 2 - 1;
        const int captionTop = top + thumbHeight + 1;
        sheet.SetDrawColor(KPageColour);
        DrawCaption(sheet, *font, page,
                    CZuRect(captionLeft, captionTop, captionRight, captionTop + lineHeight));
        sheet.SetDrawColor(KCaptionColour);
        DrawCaption(sheet, *font, shot,
                    CZuRect(captionLeft, captionTop + lineHeight, captionRight, captionTop + 2 * lineHeight));
    }
    sheet.DiscardFont();
    CZuEnv::ReleaseFont(font);
    CZuImage* picture = sheet.EndDraw();
    return WritePng(file, picture->GetImgBuf(), sheetSize.iWidth, sheetSize.iHeight);
}
