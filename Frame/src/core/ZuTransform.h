#ifndef ZUTRANSFORM_H
#define ZUTRANSFORM_H

#include "ZuControlTypes.h"
#include "ZuRect.h"
#include "ZuTimerObserver.h"

class CZuGc;
class CZuImage;

// The slide from an old picture of the screen to a new one, eight steps 25 ms apart. Each step is drawn
// into the back buffer by the UI manager's draw; between steps a one-shot timer asks for the next draw.
class CZuTransform : public MZuTimerObserver
{
public:
    static const int KStepCount = 8;
    static const int KStepIntervalMs = 25;

    CZuTransform();
    // Stops a pending step timer.
    ~CZuTransform() override;

    void SetEffect(TZuTransEffect effect) { iEffect = effect; }
    TZuTransEffect GetEffect() const { return iEffect; }
    // The two pictures (not owned); the next Step is a first step.
    void SetPictures(CZuImage* oldPicture, CZuImage* newPicture);
    // area: where the slide happens; source: the part of the new picture that slides in; limit: where the
    // moving edge stops.
    void SetRects(const CZuRect& area, const CZuRect& source, const CZuRect& limit);
    const CZuRect& Area() const { return iArea; }
    const CZuRect& Source() const { return iSource; }
    const CZuRect& Limit() const { return iLimit; }

    // Draws one step into gc. True when the slide has ended; otherwise the step timer is armed.
    bool Step(CZuGc& gc);

    int HorizStep() const { return iHorizStep; }
    int VertStep() const { return iVertStep; }
    int EdgePosition() const { return iEdge; }
    int TimerId() const { return iTimerId; }

    void OnTimer(int id) override;

private:
    CZuTransform(const CZuTransform&) = delete;
    CZuTransform& operator=(const CZuTransform&) = delete;
    void Begin();
    // Moves the edge one step; true when it has reached the limit.
    bool Advance();
    void DrawSlide(CZuGc& gc);

    TZuTransEffect iEffect;
    CZuImage* iOldPicture;
    CZuImage* iNewPicture;
    CZuRect iArea;
    CZuRect iSource;
    CZuRect iLimit;
    int iHorizStep;
    int iVertStep;
    int iEdge;
    int iStepCount;
    int iInterval;
    int iTimerId;
    bool iStarted;
};

#endif // ZUTRANSFORM_H
