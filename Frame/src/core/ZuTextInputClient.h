#ifndef ZUTEXTINPUTCLIENT_H
#define ZUTEXTINPUTCLIENT_H

class CZuString;

// Implemented by a control that takes typed text: while it is the UI manager's text input client it is
// shown what the input method composes. The committed text arrives as typed characters.
class MZuTextInputClient
{
public:
    // text: what is being composed, not yet typed (empty: the composition ended or was cancelled); cursor:
    // the caret in it, counted in characters.
    virtual void HandleTextComposition(const CZuString& text, int cursor) = 0;
    virtual ~MZuTextInputClient() {}
};

#endif // ZUTEXTINPUTCLIENT_H
