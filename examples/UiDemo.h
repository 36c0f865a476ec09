#ifndef UIDEMO_H
#define UIDEMO_H

#include "ZuPoint.h"
#include "ZuTimerObserver.h"
#include "ZuUiManager.h"

class CZuControl;
class CZuImage;
class CZuLayout;

// The demo's UI manager: a welcome screen while it "loads", then a board of twelve tiles in a 4 x 3 layout.
class CUiDemo : public CZuUiManager, public MZuTimerObserver
{
public:
    static const int KLoadSteps = 10;
    static const int KColumns = 4;

    // scripted: loading is driven by the caller (SetLoadingProgress, FinishLoading) instead of a timer.
    explicit CUiDemo(bool scripted);
    ~CUiDemo() override;

    void StartL() override;
    void Release() override;
    bool HandleMessage(CZuMessage* message) override;
    void OnTimer(int id) override;

    void SetLoadingProgress(int step);
    // Hides the welcome screen and shows the board with its first tile focused.
    void FinishLoading();
    // Makes a slide from the left pending.
    void Slide();
    // Where the tile at index is drawn.
    CZuPoint TileCentre(int index) const;

private:
    void CreateWelcomeImages();
    void CreateBoard();

    bool iScripted;
    int iLoadStep;
    int iTimerId;
    CZuImage* iWelcomeBg;
    CZuImage* iProgressBg;
    CZuImage* iProgress;
    CZuControl* iBoard;
};

#endif // UIDEMO_H
