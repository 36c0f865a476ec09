#include "ZuStringRes.h"

#include "ZuReadOnlyFile.h"

namespace
{

const unsigned int KTableMask = 0xFFFF0000u;

} // namespace

CZuStringRes::CZuStringRes() : iKey(0) {}

CZuStringRes::~CZuStringRes() {}

bool CZuStringRes::LoadFile(const CZuString& path)
{
    iPath = path;
    int length = 0;
    unsigned char* data = CZuReadOnlyFile::ReadWhole(Str(path), length);
    Load(data, length);
    delete[] data;
    return data != nullptr;
}

void CZuStringRes::Load(const unsigned char* data, int size)
{
    iPool.Load(data, size);
    TakeKeyFromRecordOne();
}

void CZuStringRes::TakeKeyFromRecordOne()
{
    iKey = 0;
    const CZuString* name = iPool.GetString(1);
    if (name == nullptr || name->Length() < 2)
        return;
    unsigned int first = static_cast<unsigned char>(name->At(0));
    unsigned int second = static_cast<unsigned char>(name->At(1));
    iKey = static_cast<int>((first * 256u + second) << 16);
}

bool CZuStringRes::Answers(int id) const
{
    if (iKey == 0)
        return false;
    return (static_cast<unsigned int>(id) & KTableMask) == static_cast<unsigned int>(iKey);
}
