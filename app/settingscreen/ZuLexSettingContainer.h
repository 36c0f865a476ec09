#ifndef ZULEXSETTINGCONTAINER_H
#define ZULEXSETTINGCONTAINER_H

#include "ZuLexFormContainer.h"

class CWordConfig;
class CZuComboBox;

// The container of the setting screen, read from "Setting.xml": a choice for each of the three
// preferences (each item's id is the value it stands for) and the buttons that save them, drop them or go
// back.
class CZuLexSettingContainer : public CZuLexFormContainer
{
public:
    CZuLexSettingContainer(CZuControl* parent, CZuView* view);

    // Loads the form and shows the settings' values; "save" has the focus.
    void ConstructL(const CWordConfig& settings);
    // Puts the chosen values into settings. A choice with nothing selected leaves its value as it was.
    void ApplyTo(CWordConfig& settings) const;

    CZuComboBox* UiTransform() const { return iUiTransform; }
    CZuComboBox* CountPerGroup() const { return iCountPerGroup; }
    CZuComboBox* WordSpeech() const { return iWordSpeech; }

private:
    void SetUpButtons();

    CZuComboBox* iUiTransform;
    CZuComboBox* iCountPerGroup;
    CZuComboBox* iWordSpeech;
};

#endif // ZULEXSETTINGCONTAINER_H
