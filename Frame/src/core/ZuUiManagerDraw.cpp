// Drawing, slides and the welcome screen of CZuUiManager.
#include "ZuUiManager.h"

#include "ZuUiManagerData.h"

#include "ZuBitmapGc.h"
#include "ZuCba.h"
#include "ZuCbaData.h"
#include "ZuContainer.h"
#include "ZuControl.h"
#include "ZuDialog.h"
#include "ZuEnv.h"
#include "ZuImage.h"
#include "ZuImageManager.h"
#include "ZuMenuBar.h"
#include "ZuMessage.h"
#include "ZuMessageProcessorImpl.h"
#include "ZuTransform.h"
#include "ZuUiManagerObserver.h"
#include "ZuUiSetting.h"
#include "ZuView.h"
#include "ZuWelcome.h"
#include "ZuWindow.h"
#include "ZuWnd.h"

void CZuUiManager::UiDraw(CZuGc& gc, const CZuRect& rect)
{
    CZuBitmapGc* back = iData->iBackBuffer;
    if (!back)
    {
        DrawScreen(gc, rect);
        return;
    }
    if (iData->iDrawing)
        return;
    iData->iDrawing = true;
    if (!iData->iTransPending)
    {
        DrawScreen(*back, iData->iUiRect);
    }
    else
    {
        if (!iData->iTransStarted)
            StartTransition();
        if (iData->iTransform.Step(*back))
        {
            iData->iTransPending = false;
            iData->iTransStarted = false;
            CZuControl* top = GetTopFromDispStack();
            if (top && (top->GetType() == EZuCtrlMenuBar || top->GetType() == EZuCtrlDialog))
                DrawDeffered();
        }
    }
    gc.DrawImage(CZuPoint(0, 0), back->EndDraw());
    iData->iDrawing = false;
}

void CZuUiManager::StartTransition()
{
    CZuImage* current = iData->iBackBuffer->EndDraw();
    iData->iOldPicture->DrawImage(CZuPoint(0, 0), current);
    DrawScreen(*iData->iNewPicture, iData->iUiRect);
    iData->iTransform.SetPictures(iData->iOldPicture->EndDraw(), iData->iNewPicture->EndDraw());
    SetTransformRects(iData->iUiRect);
    iData->iTransStarted = true;
}

void CZuUiManager::SetTransformRects(const CZuRect& drawn)
{
    CZuControl* top = GetTopFromDispStack();
    if (!top)
        return;
    CZuTransform& transform = iData->iTransform;
    switch (top->GetType())
    {
    case EZuCtrlContainer:
    {
        CZuRect source(CZuPoint(0, 0), iData->iNewPicture->BitmapSize());
        transform.SetRects(drawn, source, drawn);
        break;
    }
    case EZuCtrlMenuBar:
    {
        CZuRect level = static_cast<CZuMenuBar*>(top)->GetLastLevelRect();
        transform.SetRects(level, level, level);
        break;
    }
    case EZuCtrlDialog:
        transform.SetRects(GetClientRect(), top->Rect(), top->Rect());
        break;
    default:
        break;
    }
}

void CZuUiManager::DrawScreen(CZuGc& gc, const CZuRect& rect)
{
    if (iWelcome)
    {
        DrawWelcome(gc, rect);
        return;
    }
    DrawBackground(gc, rect);
    RefreshCba();
    CZuControl* top = GetTopFromDispStack();
    for (int i = 0; i < iData->iDispStack.GetCount(); ++i)
    {
        CZuControl* control = static_cast<CZuControl*>(iData->iDispStack.GetAt(i));
        if (control != top)
            control->DrawCtrl(gc, control->Rect());
    }
    // The platform root draws the current window's root (which holds the top pop-up) and its own frame.
    CZuControl* root = PlatWindow1() ? PlatWindow1() : CurrentRoot();
    if (root)
        root->DrawCtrl(gc, iData->iUiRect);
}

void CZuUiManager::DrawBackground(CZuGc& gc, const CZuRect& rect)
{
    if (iData->iBgImage)
    {
        gc.DrawImage(rect, iData->iBgImage, false);
        return;
    }
    if (!iData->iBgColorSet)
        return;
    int corners[4] = {0, 0, 0, 0};
    if (CZuControl* root = CurrentRoot())
        root->RoundCornerSize(corners[0], corners[1], corners[2], corners[3]);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(iData->iBgColor);
    gc.DrawRoundRect(iData->iUiRect, corners[0], corners[1], corners[2], corners[3]);
}

CZuCbaData* CZuUiManager::GetTopCbaData() const
{
    CZuControl* top = GetTopFromDispStack();
    if (!top)
        return nullptr;
    switch (top->GetType())
    {
    case EZuCtrlMenuBar:
        return static_cast<CZuMenuBar*>(top)->GetCbaData();
    case EZuCtrlDialog:
        if (CZuDialog* dialog = dynamic_cast<CZuDialog*>(top))
            return dialog->GetCbaData();
        return nullptr;
    case EZuCtrlContainer:
        if (CZuContainer* container = dynamic_cast<CZuContainer*>(top))
            return container->GetView() ? container->GetView()->GetCbaData() : nullptr;
        return nullptr;
    default:
        return nullptr;
    }
}

void CZuUiManager::RefreshCba()
{
    CZuCba* cba = GetCba();
    if (!cba || !GetTopFromDispStack())
        return;
    // A top without soft keys clears them: the labels of the screen below must not stay active.
    if (CZuCbaData* data = GetTopCbaData())
        cba->SetCbaData(data);
    else
        cba->SetCbaData(EZuCmdNone, CZuString(), EZuCmdNone, CZuString());
}

void CZuUiManager::DrawWelcome(CZuGc& gc, const CZuRect& rect)
{
    int corners[4] = {0, 0, 0, 0};
    if (CZuControl* root = CurrentRoot())
        root->RoundCornerSize(corners[0], corners[1], corners[2], corners[3]);
    iWelcome->Draw(gc, rect, corners);
}

void CZuUiManager::DrawDeffered()
{
    if (CZuEnv::Static())
        CZuEnv::Static()->PostMessageW(this, EZuMsgDraw, 0, 0);
}

void CZuUiManager::DrawNow()
{
    if (iData->iObserver)
    {
        iData->iObserver->HandleDraw();
        return;
    }
    CZuControl* root = iData->iPlatWindow;
    if (!root)
        return;
    if (root->Parent())
        root->Parent()->DrawNow();
    else if (root->SelfWindow())
        root->SelfWindow()->DrawNow();
}

void CZuUiManager::SetBgImage(const CZuString& file)
{
    CZuImage* image = new CZuImage;
    image->Load(file);
    SetBgImage(image, true);
}

void CZuUiManager::SetBgImage(CZuImage* image, bool owned)
{
    if (iData->iBgImageOwned && iData->iBgImage != image)
        CZuEnv::ReleaseImage(iData->iBgImage);
    iData->iBgImage = image;
    iData->iBgImageOwned = image && owned;
}

void CZuUiManager::SetBgColor(const CZuRgb& color)
{
    iData->iBgColor = color;
    iData->iBgColorSet = true;
}

void CZuUiManager::UpdateUiStyle()
{
    if (CZuControl* root = CurrentRoot())
        root->UpdateUiStyle();
    CZuControl* top = GetTopFromDispStack();
    for (int i = 0; i < iData->iDispStack.GetCount(); ++i)
    {
        CZuControl* control = static_cast<CZuControl*>(iData->iDispStack.GetAt(i));
        if (control != top)
            control->UpdateUiStyle();
    }
}

void CZuUiManager::PostTransformEffectCmd(TZuTransEffect effect)
{
    if (!CZuEnv::UiSetting()->IsSupportTransformEffect())
        return;
    iData->iTransform.SetEffect(effect);
    iData->iTransPending = true;
    iData->iTransStarted = false;
}

bool CZuUiManager::IsTransforming() const
{
    return iData->iTransPending;
}
