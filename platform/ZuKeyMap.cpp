#include "ZuKeyMap.h"

#include "ZuKeyCode.h"
#include "ZuPointerType.h"
#include "ZuUnicode.h"

#include <SDL.h>
#include <cstring>

namespace
{

struct TKeyPair
{
    SDL_Keycode iSdl;
    unsigned iCode;
};

// Keys whose code is not derived from a range.
const TKeyPair KKeyPairs[] = {
    {SDLK_BACKSPACE, EZuKeyBackspace},
    {SDLK_TAB, EZuKeyTab},
    {SDLK_RETURN, EZuKeyEnter},
    {SDLK_RETURN2, EZuKeyEnter},
    {SDLK_KP_ENTER, EZuKeyEnter},
    {SDLK_LSHIFT, EZuKeyShift},
    {SDLK_RSHIFT, EZuKeyShift},
    {SDLK_LCTRL, EZuKeyControl},
    {SDLK_RCTRL, EZuKeyControl},
    {SDLK_LALT, EZuKeyAlt},
    {SDLK_RALT, EZuKeyAlt},
    {SDLK_PAUSE, EZuKeyPause},
    {SDLK_CAPSLOCK, EZuKeyCapsLock},
    {SDLK_ESCAPE, EZuKeyEscape},
    {SDLK_SPACE, EZuKeySpace},
    {SDLK_PAGEUP, EZuKeyPageUp},
    {SDLK_PAGEDOWN, EZuKeyPageDown},
    {SDLK_END, EZuKeyEnd},
    {SDLK_HOME, EZuKeyHome},
    {SDLK_LEFT, EZuKeyLeft},
    {SDLK_UP, EZuKeyUp},
    {SDLK_RIGHT, EZuKeyRight},
    {SDLK_DOWN, EZuKeyDown},
    {SDLK_PRINTSCREEN, EZuKeyPrintScreen},
    {SDLK_INSERT, EZuKeyInsert},
    {SDLK_DELETE, EZuKeyDelete},
    {SDLK_LGUI, EZuKeyLeftMeta},
    {SDLK_RGUI, EZuKeyRightMeta},
    {SDLK_APPLICATION, EZuKeyMenu},
    {SDLK_MENU, EZuKeyMenu},
    {SDLK_KP_MULTIPLY, EZuKeyMultiply},
    {SDLK_KP_PLUS, EZuKeyAdd},
    {SDLK_KP_MINUS, EZuKeySubtract},
    {SDLK_KP_PERIOD, EZuKeyDecimal},
    {SDLK_KP_DIVIDE, EZuKeyDivide},
    {SDLK_NUMLOCKCLEAR, EZuKeyNumLock},
    {SDLK_SCROLLLOCK, EZuKeyScrollLock},
    {SDLK_AC_BACK, EZuKeyBrowserBack},
    {SDLK_SEMICOLON, EZuKeySemicolon},
    {SDLK_EQUALS, EZuKeyEquals},
    {SDLK_COMMA, EZuKeyComma},
    {SDLK_MINUS, EZuKeyMinus},
    {SDLK_PERIOD, EZuKeyPeriod},
    {SDLK_SLASH, EZuKeySlash},
    {SDLK_BACKQUOTE, EZuKeyBackquote},
    {SDLK_LEFTBRACKET, EZuKeyLeftBracket},
    {SDLK_BACKSLASH, EZuKeyBackslash},
    {SDLK_RIGHTBRACKET, EZuKeyRightBracket},
    {SDLK_QUOTE, EZuKeyQuote},
};

const unsigned KKeyDownBit = 1u << 30;
const unsigned KReleaseBit = 1u << 31;

// The keypad digits are not contiguous in SDL.
const SDL_Keycode KKeypadDigits[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                     SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

} // namespace

unsigned CZuKeyMap::KeyCode(int sdlKey)
{
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return EZuKeyA + static_cast<unsigned>(sdlKey - SDLK_a);
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return EZuKey0 + static_cast<unsigned>(sdlKey - SDLK_0);
    if (sdlKey >= SDLK_F1 && sdlKey <= SDLK_F12)
        return EZuKeyF1 + static_cast<unsigned>(sdlKey - SDLK_F1);
    for (unsigned digit = 0; digit < 10; ++digit)
    {
        if (sdlKey == KKeypadDigits[digit])
            return EZuKeyNumpad0 + digit;
    }
    for (const TKeyPair& pair : KKeyPairs)
    {
        if (pair.iSdl == sdlKey)
            return pair.iCode;
    }
    return EZuKeyNone;
}

unsigned CZuKeyMap::KeyValue(int sdlScancode, bool wasDown, bool released)
{
    unsigned value = 1u | ((static_cast<unsigned>(sdlScancode) & 0xFFu) << 16);
    if (wasDown || released)
        value |= KKeyDownBit;
    if (released)
        value |= KReleaseBit;
    return value;
}

unsigned CZuKeyMap::ControlChar(int sdlKey, unsigned sdlModifiers)
{
    switch (sdlKey)
    {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_TAB:
        return 9;
    case SDLK_ESCAPE:
        return 27;
    default:
        break;
    }
    // Ctrl with a letter types a control character, unless AltGr or Alt turns it into something else.
    bool control = (sdlModifiers & KMOD_CTRL) != 0 && (sdlModifiers & (KMOD_ALT | KMOD_MODE)) == 0;
    if (control && sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return 1 + static_cast<unsigned>(sdlKey - SDLK_a);
    return 0;
}

int CZuKeyMap::TextToUnits(const char* utf8, TZuWChar* units, int maxUnits)
{
    if (!utf8 || !units || maxUnits <= 0)
        return 0;
    int length = static_cast<int>(std::strlen(utf8));
    int count = 0;
    int i = 0;
    while (i < length)
    {
        int taken = 0;
        unsigned codePoint = CZuUnicode::DecodeUtf8(utf8 + i, length - i, taken);
        i += taken;
        if (codePoint == CZuUnicode::KFault)
            continue;
        TZuWChar character[2];
        int needed = CZuUnicode::EncodeUtf16(codePoint, character);
        // A character that does not fit whole ends the text.
        if (count + needed > maxUnits)
            break;
        for (int k = 0; k < needed; ++k)
            units[count++] = character[k];
    }
    return count;
}

unsigned CZuKeyMap::ButtonFlags(unsigned sdlButtons, unsigned sdlModifiers)
{
    unsigned flags = 0;
    if (sdlButtons & SDL_BUTTON_LMASK)
        flags |= EZuButtonLeft;
    if (sdlButtons & SDL_BUTTON_RMASK)
        flags |= EZuButtonRight;
    if (sdlButtons & SDL_BUTTON_MMASK)
        flags |= EZuButtonMiddle;
    if (sdlModifiers & KMOD_SHIFT)
        flags |= EZuButtonShift;
    if (sdlModifiers & KMOD_CTRL)
        flags |= EZuButtonControl;
    return flags;
}
