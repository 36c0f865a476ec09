#include "ZuTextInput.h"

#include <SDL.h>

namespace
{

CZuRect& LastBand()
{
    static CZuRect band;
    return band;
}

} // namespace

void CZuTextInput::Start(const CZuRect& band)
{
    // Long compositions come whole (SDL_TEXTEDITING_EXT) instead of cut at 32 bytes.
    SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
    SetBand(band);
    SDL_StartTextInput();
}

void CZuTextInput::SetBand(const CZuRect& band)
{
    LastBand() = band;
    SDL_Rect rect = {band.iTl.iX, band.iTl.iY, band.Width(), band.Height()};
    SDL_SetTextInputRect(&rect);
}

void CZuTextInput::Stop()
{
    SDL_StopTextInput();
}

bool CZuTextInput::IsActive()
{
    return SDL_IsTextInputActive() == SDL_TRUE;
}

CZuRect CZuTextInput::Band()
{
    return LastBand();
}
