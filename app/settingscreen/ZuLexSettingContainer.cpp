#include "ZuLexSettingContainer.h"

CZuLexSettingContainer::CZuLexSettingContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Setting.xml")
{
}
