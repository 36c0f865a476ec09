#ifndef ZUTEXTINPUT_H
#define ZUTEXTINPUT_H

#include "ZuRect.h"

// The desktop's text input: while it is started, typed text and the input method's compositions reach the
// window (as HandleChar and HandleTextEditing); while it is stopped, keys still arrive but no text. The
// program stops it at start and a text field starts it while it is being edited.
class CZuTextInput
{
public:
    // Starts text input with the input method's candidate window placed beside band (window coordinates).
    static void Start(const CZuRect& band);
    // Moves the candidate window beside band while text input runs.
    static void SetBand(const CZuRect& band);
    static void Stop();
    static bool IsActive();
    // The band last given to Start or SetBand.
    static CZuRect Band();
};

#endif // ZUTEXTINPUT_H
