#ifndef ZUKEYMAP_H
#define ZUKEYMAP_H

#include "ZuTypes.h"

// Translation of SDL keyboard and mouse values into the toolkit's key codes (TZuKeyCode), characters and
// button flags (TZuButtonFlag). CZuEventLoop uses it; tests and tools may too.
class CZuKeyMap
{
public:
    // The key code of an SDL key (SDL_Keycode); 0 for a key the toolkit has no code for.
    static unsigned KeyCode(int sdlKey);
    // The value that comes with a key event: repeat count 1, the scan code in bits 16-23, bit 30 when the
    // key was already down, bit 31 for a release.
    static unsigned KeyValue(int sdlScancode, bool wasDown, bool released);
    // The control character that pressing the key types although SDL sends no text for it: Enter 13,
    // Backspace 8, Tab 9, Escape 27, Ctrl+A..Z 1..26 (sdlModifiers: SDL_Keymod); 0 for other keys.
    static unsigned ControlChar(int sdlKey, unsigned sdlModifiers);
    // Decodes UTF-8 text (SDL text input) into at most maxUnits UTF-16 units, a character beyond U+FFFF as a
    // surrogate pair; malformed bytes are skipped. Stops at a zero byte. Returns the number of units.
    static int TextToUnits(const char* utf8, TZuWChar* units, int maxUnits);
    // The button flags of a pointer event: SDL button state bits and the SDL_Keymod held.
    static unsigned ButtonFlags(unsigned sdlButtons, unsigned sdlModifiers);
};

#endif // ZUKEYMAP_H
