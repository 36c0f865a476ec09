#include "ZuStringManager.h"

#include "ZuStringRes.h"

CZuStringManager::CZuStringManager() : iNotFound("NotFound"), iTables(true) {}

CZuStringManager::~CZuStringManager() {}

bool CZuStringManager::AddStringRes(const CZuString& path)
{
    CZuStringRes* table = new CZuStringRes;
    bool read = table->LoadFile(path);
    iTables.Append(table);
    return read;
}

void CZuStringManager::RemoveStringRes(const CZuString& path)
{
    if (path.IsEmpty())
        return;
    for (int i = 0; i < iTables.GetCount(); ++i)
    {
        if (GetStringRes(i)->Path().Find(path) >= 0)
        {
            iTables.Delete(i);
            return;
        }
    }
}

CZuString* CZuStringManager::GetString(int id)
{
    for (int i = 0; i < iTables.GetCount(); ++i)
    {
        CZuStringRes* table = GetStringRes(i);
        if (!table->Answers(id))
            continue;
        // An index beyond a damaged or short table must not hand callers a null text.
        CZuString* text = table->GetString(id & 0xFFFF);
        return text != nullptr ? text : &iNotFound;
    }
    return &iNotFound;
}

CZuStringRes* CZuStringManager::GetStringRes(int index) const
{
    if (index < 0 || index >= iTables.GetCount())
        return nullptr;
    return static_cast<CZuStringRes*>(iTables.GetAt(index));
}
