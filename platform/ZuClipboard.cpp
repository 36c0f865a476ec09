#include "ZuClipboard.h"

#include <SDL.h>

CZuString CZuClipboard::Text()
{
    char* text = SDL_GetClipboardText();
    if (!text)
        return CZuString();
    CZuString result(text);
    SDL_free(text);
    return result;
}

bool CZuClipboard::SetText(const CZuString& utf8)
{
    return SDL_SetClipboardText(utf8.PtrZ() ? utf8.PtrZ() : "") == 0;
}
