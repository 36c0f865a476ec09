#include "ZuLexNewwordView.h"

#include "CourseList.h"
#include "NewWordBook.h"
#include "WordConfig.h"
#include "ZuEnv.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexNewwordContainer.h"
#include "ZuList.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"

CZuLexNewwordView::CZuLexNewwordView(CZuUiManager* manager)
    : CZuLexView(manager, EZuLexStrTitleNewword), iBook(nullptr)
{
}

CZuLexNewwordView::~CZuLexNewwordView()
{
    CloseBook();
}

CZuLexNewwordContainer* CZuLexNewwordView::NewwordContainer() const
{
    return dynamic_cast<CZuLexNewwordContainer*>(GetContainer());
}

void CZuLexNewwordView::DoActivateL()
{
    if (!iBook)
    {
        iBook = new CNewWordBook;
        iBook->Open();
    }
    CZuLexView::DoActivateL();
    ShowEmptyHint();
}

void CZuLexNewwordView::ShowEmptyHint()
{
    if (iBook && iBook->Count() == 0 && App())
        App()->SetPromptText(CZuEnv::GetString(EZuLexStrNewwordEmpty));
}

void CZuLexNewwordView::DoDeactivate()
{
    // The container's rows point at the book's words: it goes first.
    CZuLexView::DoDeactivate();
    CloseBook();
}

void CZuLexNewwordView::CloseBook()
{
    delete iBook;
    iBook = nullptr;
}

void CZuLexNewwordView::CreateContainerL(CZuControl* parent)
{
    CZuLexNewwordContainer* container = new CZuLexNewwordContainer(parent, this);
    container->ConstructL(*iBook);
}

bool CZuLexNewwordView::HandleMessage(CZuMessage* message)
{
    if (!iUiManager)
        return false;
    if (message->iType == CZuList::KMsgListNotify)
    {
        bool chosen = message->iParam1 == CZuList::ENotifyRowActivated ||
                      message->iParam1 == CZuList::ENotifyCellActivated;
        if (chosen && NewwordContainer())
            NewwordContainer()->ChooseRow();
        return true;
    }
    if (message->iType != EZuMsgButtonClicked)
        return CZuLexView::HandleMessage(message);
    switch (message->iParam1)
    {
    case EZuLexCmdNewwordDelete:
        DeleteSelectedWord();
        return true;
    case EZuLexCmdNewwordOk:
        KeepChanges();
        return true;
    case EZuLexCmdNewwordCancel:
        iUiManager->ActivateViewL(EZuLexViewMain);
        return true;
    default:
        return false;
    }
}

void CZuLexNewwordView::DeleteSelectedWord()
{
    CZuLexNewwordContainer* container = NewwordContainer();
    if (!container || !iBook || !container->CanDelete())
        return;
    int row = container->SelectedRow();
    // The row's word goes from the book before the row, which points at it, goes from the list.
    if (!iBook->Delete(row))
        return;
    container->DeleteRow(row);
    ShowEmptyHint();
}

void CZuLexNewwordView::KeepChanges()
{
    if (!iBook)
        return;
    if (!iBook->Save())
    {
        if (CZuLexApp* app = App())
            app->ShowMessage(CZuEnv::GetString(EZuLexStrTitleNewword),
                             CZuEnv::GetString(EZuLexStrNewwordNotSaved));
        return;
    }
    CWordConfig* settings = App() ? App()->Settings() : nullptr;
    // Only a learner studying the book itself can stand past its new end.
    if (settings && settings->CurrentCourse().iFile == CCourseList::KNewWordFile)
        settings->FitToShortenedCourse(iBook->Count());
    iUiManager->ActivateViewL(EZuLexViewMain);
}
