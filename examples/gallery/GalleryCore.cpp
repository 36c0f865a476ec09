// The gallery's first page: the bare client area with its command bar, as every other page starts.
#include "GalleryScene.h"

#include "ZuUi.h"

ZU_GALLERY_PAGE(core)
{
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550003), 0, CZuEnv::GetString(0x5A550005));
    scene.Shot("empty");
}
