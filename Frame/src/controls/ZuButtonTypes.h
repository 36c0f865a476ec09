#ifndef ZUBUTTONTYPES_H
#define ZUBUTTONTYPES_H

// What a button shows.
enum TZuButtonType : int
{
    EZuBtnText = 0,
    EZuBtnImage = 1,
    // The main image at the left, the text to its right.
    EZuBtnImageText = 2,
    // The main image above, the text below.
    EZuBtnImageOverText = 3
};

// How a button's background looks in its states. Any other value draws the plain fallback look: a filled
// rectangle per state.
enum TZuButtonUiStyle : int
{
    // Filled and framed when hovered, pressed or focused; nothing behind the content otherwise.
    EZuBtnStyleFrame = 0,
    // No background: the content alone (the command bar's soft keys).
    EZuBtnStylePlain = 1,
    // A gradient round rectangle with a frame, one colour pair per state.
    EZuBtnStyleGradient = 2,
    // A picture per state.
    EZuBtnStyleImages = 3,
    // A filled hexagon: pointed left and right ends.
    EZuBtnStyleHexagon = 4,
    // The inner rectangle filled and outlined in one colour per state.
    EZuBtnStyleFlat = 5
};

#endif // ZUBUTTONTYPES_H
