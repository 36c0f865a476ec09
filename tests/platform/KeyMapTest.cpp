#include "ZuAl.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace
{

TEST(KeyMap, LettersAndDigitsBecomeUpperCaseAscii)
{
    EXPECT_EQ(65u, CZuKeyMap::KeyCode(SDLK_a));
    EXPECT_EQ(90u, CZuKeyMap::KeyCode(SDLK_z));
    EXPECT_EQ(48u, CZuKeyMap::KeyCode(SDLK_0));
    EXPECT_EQ(57u, CZuKeyMap::KeyCode(SDLK_9));
}

TEST(KeyMap, NavigationAndSoftKeysUseTheToolkitCodes)
{
    EXPECT_EQ(13u, CZuKeyMap::KeyCode(SDLK_RETURN));
    EXPECT_EQ(13u, CZuKeyMap::KeyCode(SDLK_KP_ENTER));
    EXPECT_EQ(37u, CZuKeyMap::KeyCode(SDLK_LEFT));
    EXPECT_EQ(38u, CZuKeyMap::KeyCode(SDLK_UP));
    EXPECT_EQ(39u, CZuKeyMap::KeyCode(SDLK_RIGHT));
    EXPECT_EQ(40u, CZuKeyMap::KeyCode(SDLK_DOWN));
    EXPECT_EQ(112u, CZuKeyMap::KeyCode(SDLK_F1));
    EXPECT_EQ(113u, CZuKeyMap::KeyCode(SDLK_F2));
    EXPECT_EQ(123u, CZuKeyMap::KeyCode(SDLK_F12));
    EXPECT_EQ(27u, CZuKeyMap::KeyCode(SDLK_ESCAPE));
    EXPECT_EQ(8u, CZuKeyMap::KeyCode(SDLK_BACKSPACE));
    EXPECT_EQ(46u, CZuKeyMap::KeyCode(SDLK_DELETE));
    EXPECT_EQ(36u, CZuKeyMap::KeyCode(SDLK_HOME));
    EXPECT_EQ(35u, CZuKeyMap::KeyCode(SDLK_END));
}

TEST(KeyMap, BothShiftKeysAreShift)
{
    EXPECT_EQ(16u, CZuKeyMap::KeyCode(SDLK_LSHIFT));
    EXPECT_EQ(16u, CZuKeyMap::KeyCode(SDLK_RSHIFT));
    EXPECT_EQ(17u, CZuKeyMap::KeyCode(SDLK_RCTRL));
}

TEST(KeyMap, KeypadDigitsAndPunctuation)
{
    EXPECT_EQ(96u, CZuKeyMap::KeyCode(SDLK_KP_0));
    EXPECT_EQ(97u, CZuKeyMap::KeyCode(SDLK_KP_1));
    EXPECT_EQ(105u, CZuKeyMap::KeyCode(SDLK_KP_9));
    EXPECT_EQ(188u, CZuKeyMap::KeyCode(SDLK_COMMA));
    EXPECT_EQ(222u, CZuKeyMap::KeyCode(SDLK_QUOTE));
}

TEST(KeyMap, UnknownKeysHaveNoCode)
{
    EXPECT_EQ(0u, CZuKeyMap::KeyCode(SDLK_UNKNOWN));
    EXPECT_EQ(0u, CZuKeyMap::KeyCode(SDLK_VOLUMEUP));
    EXPECT_EQ(0u, CZuKeyMap::KeyCode(-5));
}

TEST(KeyMap, KeyValueCarriesScanCodeRepeatAndRelease)
{
    EXPECT_EQ(0x00280001u, CZuKeyMap::KeyValue(SDL_SCANCODE_RETURN, false, false));
    EXPECT_EQ(0x40280001u, CZuKeyMap::KeyValue(SDL_SCANCODE_RETURN, true, false));
    EXPECT_EQ(0xC0280001u, CZuKeyMap::KeyValue(SDL_SCANCODE_RETURN, false, true));
}

TEST(KeyMap, ControlCharactersOfKeysWithoutText)
{
    EXPECT_EQ(13u, CZuKeyMap::ControlChar(SDLK_RETURN, KMOD_NONE));
    EXPECT_EQ(8u, CZuKeyMap::ControlChar(SDLK_BACKSPACE, KMOD_NONE));
    EXPECT_EQ(9u, CZuKeyMap::ControlChar(SDLK_TAB, KMOD_NONE));
    EXPECT_EQ(27u, CZuKeyMap::ControlChar(SDLK_ESCAPE, KMOD_NONE));
    EXPECT_EQ(1u, CZuKeyMap::ControlChar(SDLK_a, KMOD_LCTRL));
    EXPECT_EQ(26u, CZuKeyMap::ControlChar(SDLK_z, KMOD_RCTRL));
    // Plain letters come as text; AltGr combinations type other characters.
    EXPECT_EQ(0u, CZuKeyMap::ControlChar(SDLK_a, KMOD_NONE));
    EXPECT_EQ(0u, CZuKeyMap::ControlChar(SDLK_a, KMOD_LCTRL | KMOD_RALT));
    EXPECT_EQ(0u, CZuKeyMap::ControlChar(SDLK_LEFT, KMOD_LCTRL));
}

TEST(KeyMap, TextBecomesUtf16Units)
{
    TZuWChar units[8];
    // "a", U+4E2D, U+1F600.
    int count = CZuKeyMap::TextToUnits("a\xE4\xB8\xAD\xF0\x9F\x98\x80", units, 8);
    ASSERT_EQ(4, count);
    EXPECT_EQ(u'a', units[0]);
    EXPECT_EQ(0x4E2D, units[1]);
    EXPECT_EQ(0xD83D, units[2]);
    EXPECT_EQ(0xDE00, units[3]);
}

TEST(KeyMap, MalformedTextIsSkipped)
{
    TZuWChar units[8];
    // A stray continuation byte, an overlong '/', a surrogate, a sequence cut short by the end.
    int count = CZuKeyMap::TextToUnits("\x80x\xC0\xAF\xED\xA0\x80y\xE4\xB8", units, 8);
    ASSERT_EQ(2, count);
    EXPECT_EQ(u'x', units[0]);
    EXPECT_EQ(u'y', units[1]);
}

TEST(KeyMap, TextStopsWhenTheUnitsAreFull)
{
    TZuWChar units[3] = {0, 0, 0};
    // The pair of U+1F600 does not fit after two units.
    EXPECT_EQ(2, CZuKeyMap::TextToUnits("ab\xF0\x9F\x98\x80", units, 3));
    EXPECT_EQ(0, CZuKeyMap::TextToUnits(nullptr, units, 3));
    EXPECT_EQ(0, CZuKeyMap::TextToUnits("abc", units, 0));
}

TEST(KeyMap, ButtonFlagsOfButtonsAndModifiers)
{
    EXPECT_EQ(0x01u, CZuKeyMap::ButtonFlags(SDL_BUTTON_LMASK, KMOD_NONE));
    EXPECT_EQ(0x1Fu, CZuKeyMap::ButtonFlags(SDL_BUTTON_LMASK | SDL_BUTTON_RMASK | SDL_BUTTON_MMASK,
                                            KMOD_LSHIFT | KMOD_RCTRL));
    EXPECT_EQ(0u, CZuKeyMap::ButtonFlags(0, KMOD_NUM));
}

} // namespace
