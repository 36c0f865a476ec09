#ifndef ZUCLIPBOARD_H
#define ZUCLIPBOARD_H

#include "ZuString.h"

// The desktop's clipboard, for text (UTF-8).
class CZuClipboard
{
public:
    // The clipboard's text; empty when it holds none or cannot be read.
    static CZuString Text();
    // False when the clipboard could not take it.
    static bool SetText(const CZuString& utf8);
};

#endif // ZUCLIPBOARD_H
