#ifndef ZUCBADATA_H
#define ZUCBADATA_H

#include "ZuCbaButtonData.h"

// The two soft keys a screen, dialog or menu shows on the window's command bar.
class CZuCbaData : public CZuObject
{
public:
    CZuCbaData();
    ~CZuCbaData() override;

    void SetCba(int leftCmd, const CZuString& leftName, int rightCmd, const CZuString& rightName);
    CZuCbaButtonData* GetLeftItem() const { return iLeft; }
    CZuCbaButtonData* GetRightItem() const { return iRight; }

private:
    CZuCbaData(const CZuCbaData&) = delete;
    CZuCbaData& operator=(const CZuCbaData&) = delete;

    CZuCbaButtonData* iLeft;
    CZuCbaButtonData* iRight;
};

#endif // ZUCBADATA_H
