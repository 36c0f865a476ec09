#include "WordInfo.h"

#include "LittleEndian.h"
#include "ZuFile.h"

namespace
{

// Texts are stored with every byte complemented.
void Complement(char* bytes, int length)
{
    for (int i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(~bytes[i]);
}

// Reads length stored bytes into text; false (text left empty) when the file holds fewer.
bool ReadText(CZuFile& data, int length, CZuString& text)
{
    text.Allocate(length);
    if (data.Read(text.PtrZ(), length) != length)
    {
        text.Empty();
        return false;
    }
    Complement(text.PtrZ(), length);
    return true;
}

// Reads a one-byte signed length; false at the end of the file.
bool ReadShortLength(CZuFile& data, int& length)
{
    signed char byte = 0;
    if (data.Read(&byte, 1) != 1)
        return false;
    length = byte;
    return true;
}

bool ReadLongLength(CZuFile& data, int& length)
{
    unsigned char bytes[2];
    if (data.Read(bytes, 2) != 2)
        return false;
    length = LittleEndian::ReadInt16(bytes);
    return true;
}

bool IsContinuationByte(char ch)
{
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

// Writes the length field (widthBytes wide) and the complemented text, shortened to fit.
bool WriteText(CZuFile& data, const CZuString& text, int limit, int widthBytes)
{
    int length = CWordInfo::StoredLength(text, limit);
    unsigned char field[2];
    LittleEndian::WriteInt16(field, length);
    if (data.Write(field, widthBytes) != widthBytes)
        return false;
    if (length == 0)
        return true;
    char stored[CWordInfo::KMaxExplanationLength];
    for (int i = 0; i < length; ++i)
        stored[i] = static_cast<char>(~text[i]);
    return data.Write(stored, length) == length;
}

} // namespace

CWordInfo::CWordInfo() : iIndex(0), iDataOffset(0), iSpeechOffset(0), iSpeechLength(0) {}

CWordInfo::~CWordInfo() {}

bool CWordInfo::ReadRecord(CZuFile& data)
{
    iSource.Empty();
    iWord.Empty();
    iPhonetic.Empty();
    iPhoneticNote.Empty();
    iExplanation.Empty();
    if (iDataOffset < 0 || !data.Seek(EZuSeekBegin, iDataOffset))
        return false;

    int length = 0;
    if (!ReadShortLength(data, length))
        return false;
    // An empty source is normal: the word belongs to the course itself.
    if (length > 0 && !ReadText(data, length, iSource))
        return false;

    // An empty word, phonetic or note ends the record.
    CZuString* texts[] = {&iWord, &iPhonetic, &iPhoneticNote};
    for (CZuString* text : texts)
    {
        if (!ReadShortLength(data, length))
            return false;
        if (length <= 0)
            return true;
        if (!ReadText(data, length, *text))
            return false;
    }

    if (!ReadLongLength(data, length))
        return false;
    if (length <= 0)
        return true;
    return ReadText(data, length, iExplanation);
}

int CWordInfo::WriteRecord(CZuFile& data) const
{
    const CZuString* shortTexts[] = {&iSource, &iWord, &iPhonetic, &iPhoneticNote};
    int shortened = 0;
    for (const CZuString* text : shortTexts)
    {
        if (!WriteText(data, *text, KMaxTextLength, 1))
            return -1;
        if (text->Length() > KMaxTextLength)
            ++shortened;
    }
    if (!WriteText(data, iExplanation, KMaxExplanationLength, 2))
        return -1;
    if (iExplanation.Length() > KMaxExplanationLength)
        ++shortened;
    return shortened;
}

bool CWordInfo::WriteIndexEntry(CZuFile& index) const
{
    unsigned char entry[KIndexEntrySize];
    LittleEndian::WriteInt32(entry, iIndex);
    LittleEndian::WriteInt32(entry + 4, iDataOffset);
    LittleEndian::WriteInt32(entry + 8, iSpeechOffset);
    LittleEndian::WriteInt32(entry + 12, iSpeechLength);
    return index.Write(entry, KIndexEntrySize) == KIndexEntrySize;
}

void CWordInfo::ReadIndexEntry(const unsigned char* entry)
{
    iIndex = LittleEndian::ReadInt32(entry);
    iDataOffset = LittleEndian::ReadInt32(entry + 4);
    iSpeechOffset = LittleEndian::ReadInt32(entry + 8);
    iSpeechLength = LittleEndian::ReadInt32(entry + 12);
}

int CWordInfo::StoredLength(const CZuString& text, int limit)
{
    int length = text.Length();
    if (length <= limit)
        return length;
    // Back up over continuation bytes so that no character is cut in two.
    length = limit;
    while (length > 0 && IsContinuationByte(text[length]))
        --length;
    return length;
}
