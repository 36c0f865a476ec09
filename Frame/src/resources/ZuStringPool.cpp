#include "ZuStringPool.h"

#include "ZuLittleEndian.h"
#include "ZuString.h"

namespace
{

const int KRecordHeaderSize = 8;

} // namespace

CZuStringPool::CZuStringPool() : iStrings(true) {}

CZuStringPool::~CZuStringPool() {}

void CZuStringPool::Load(const unsigned char* data, int size)
{
    Reset();
    if (data == nullptr || size <= 0)
        return;
    int position = 0;
    while (size - position >= KRecordHeaderSize)
    {
        unsigned int length = CZuLittleEndian::ReadUint32(data + position + 4);
        position += KRecordHeaderSize;
        // A record that claims more than the file still holds is damaged: the table ends before it.
        if (length > static_cast<unsigned int>(size - position))
            return;
        Append(new CZuString(reinterpret_cast<const char*>(data + position), static_cast<int>(length)));
        position += static_cast<int>(length);
    }
}

void CZuStringPool::Append(CZuString* text)
{
    iStrings.Append(text);
}

void CZuStringPool::Reset()
{
    iStrings.DeleteAll();
}

CZuString* CZuStringPool::GetString(int index) const
{
    if (index < 0 || index >= iStrings.GetCount())
        return nullptr;
    return static_cast<CZuString*>(iStrings.GetAt(index));
}
