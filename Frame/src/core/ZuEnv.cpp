#include "ZuEnv.h"

#include "ZuFont.h"
#include "ZuFontManager.h"
#include "ZuImage.h"
#include "ZuImageManager.h"
#include "ZuMessage.h"
#include "ZuMessageProcessorImpl.h"
#include "ZuPrivateData.h"
#include "ZuStringManager.h"
#include "ZuTimerManager.h"
#include "ZuUiSetting.h"
#include "ZuUiStyle.h"

// Where the application keeps its files.
struct TZuPathSetting
{
    TZuPathType iPathType = 0;
    CZuString iPrivatePath;
};

namespace
{
// One registered record: a key and the application's pointer (not owned).
class CZuRegisteredData : public CZuObject
{
public:
    CZuRegisteredData(int key, void* data) : iKey(key), iData(data) {}
    int iKey;
    void* iData;
};

// Ids handed out while no environment exists (layouts built in tests or tools).
unsigned gIdsWithoutEnv = 0;
} // namespace

CZuEnv* CZuEnv::iStatic = nullptr;

CZuEnv::CZuEnv() : iNextId(0), iUiManager(nullptr)
{
    iUiStyle = new CZuUiStyle;
    iPathSetting = new TZuPathSetting;
    iUiSetting = new CZuUiSetting;
    iFontMgr = new CZuFontManager;
    iImageMgr = new CZuImageManager;
    iStringMgr = new CZuStringManager;
    iTimerMgr = new CZuTimerManager;
    iPrivateData = new CZuPrivateData;
    iRegisteredData = new CZuObjectList(true);
    iMsgProcessor = new CZuMessageProcessorImpl(iTimerMgr);
}

CZuEnv::~CZuEnv()
{
    delete iFontMgr;
    iFontMgr = nullptr;
    delete iImageMgr;
    iImageMgr = nullptr;
    delete iStringMgr;
    iStringMgr = nullptr;
    delete iTimerMgr;
    iTimerMgr = nullptr;
    delete iMsgProcessor;
    iMsgProcessor = nullptr;
    delete iUiStyle;
    iUiStyle = nullptr;
    delete iPrivateData;
    iPrivateData = nullptr;
    delete iRegisteredData;
    iRegisteredData = nullptr;
    delete iUiSetting;
    iUiSetting = nullptr;
    delete iPathSetting;
    iPathSetting = nullptr;
}

CZuEnv* CZuEnv::CreateEnv()
{
    DestroyEnv();
    iStatic = new CZuEnv;
    return iStatic;
}

void CZuEnv::DestroyEnv()
{
    CZuEnv* env = iStatic;
    iStatic = nullptr;
    delete env;
}

CZuEnv* CZuEnv::Static()
{
    return iStatic;
}

unsigned CZuEnv::GetNextId()
{
    if (!iStatic)
        return gIdsWithoutEnv++;
    return iStatic->iNextId++;
}

CZuUiSetting* CZuEnv::UiSetting()
{
    return iStatic ? iStatic->iUiSetting : nullptr;
}

CZuUiManager* CZuEnv::UiManager()
{
    return iStatic ? iStatic->iUiManager : nullptr;
}

CZuUiStyle* CZuEnv::UiStyle()
{
    return iStatic ? iStatic->iUiStyle : nullptr;
}

CZuFontManager* CZuEnv::FontMgr()
{
    return iStatic ? iStatic->iFontMgr : nullptr;
}

CZuImageManager* CZuEnv::ImageMgr()
{
    return iStatic ? iStatic->iImageMgr : nullptr;
}

CZuStringManager* CZuEnv::StringMgr()
{
    return iStatic ? iStatic->iStringMgr : nullptr;
}

CZuTimerManager* CZuEnv::TimerMgr()
{
    return iStatic ? iStatic->iTimerMgr : nullptr;
}

CZuMessageProcessorImpl* CZuEnv::MsgProcessor()
{
    return iStatic ? iStatic->iMsgProcessor : nullptr;
}

CZuPrivateData* CZuEnv::PrivateData()
{
    return iStatic ? iStatic->iPrivateData : nullptr;
}

CZuFont* CZuEnv::AcquireFont(TZuFontName name, int size, bool flag)
{
    if (FontMgr())
        return FontMgr()->GetFont(name, size, flag);
    return new CZuFont(name, size, flag);
}

void CZuEnv::ReleaseFont(CZuFont* font)
{
    if (!font)
        return;
    if (FontMgr())
        FontMgr()->ReleaseFont(font);
    else
        font->Release();
}

void CZuEnv::ReleaseImage(CZuImage* image)
{
    if (!image)
        return;
    if (ImageMgr())
        ImageMgr()->ReleaseImage(image);
    else
        image->Release();
}

CZuString CZuEnv::GetString(int id)
{
    if (!StringMgr())
        return CZuString();
    CZuString* text = StringMgr()->GetString(id);
    return text ? *text : CZuString();
}

CZuString CZuEnv::GetString(int id, const char* fallback)
{
    CZuString text = GetString(id);
    return text.IsEmpty() ? CZuString(fallback) : text;
}

void CZuEnv::SetPathType(TZuPathType type)
{
    if (iStatic)
        iStatic->iPathSetting->iPathType = type;
}

TZuPathType CZuEnv::GetPathType()
{
    return iStatic ? iStatic->iPathSetting->iPathType : 0;
}

void CZuEnv::SetPrivatePath(const CZuString& path)
{
    if (iStatic)
        iStatic->iPathSetting->iPrivatePath = path;
}

CZuString CZuEnv::GetPrivatePath()
{
    return iStatic ? iStatic->iPathSetting->iPrivatePath : CZuString();
}

void CZuEnv::PostMessageW(MZuMessageWnd* target, unsigned type, uintptr_t param1, uintptr_t param2,
                          const CZuPoint& point)
{
    iMsgProcessor->PostMessageW(new CZuMessage(target, type, param1, param2, point));
}

void CZuEnv::SendMessageW(MZuMessageWnd* target, unsigned type, uintptr_t param1, uintptr_t param2)
{
    CZuMessage message(target, type, param1, param2, CZuPoint(0, 0));
    iMsgProcessor->SendMessageW(&message);
}

bool CZuEnv::RegisterData(int key, void* data)
{
    iRegisteredData->Append(new CZuRegisteredData(key, data));
    return true;
}

void* CZuEnv::GetData(int key)
{
    for (int i = 0; i < iRegisteredData->GetCount(); ++i)
    {
        CZuRegisteredData* record = static_cast<CZuRegisteredData*>(iRegisteredData->GetAt(i));
        if (record->iKey == key)
            return record->iData;
    }
    return nullptr;
}

void CZuEnv::UnRegisterData(int key)
{
    for (int i = 0; i < iRegisteredData->GetCount(); ++i)
    {
        CZuRegisteredData* record = static_cast<CZuRegisteredData*>(iRegisteredData->GetAt(i));
        if (record->iKey == key)
        {
            iRegisteredData->Delete(i);
            return;
        }
    }
}
