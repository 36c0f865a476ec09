#include "WordInfo.h"

#include "ZuFile.h"
#include "ZuLittleEndian.h"
#include "ZuUnicode.h"

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
    length = CZuLittleEndian::ReadInt16(bytes);
    return true;
}

// Writes the length field (widthBytes wide) and the complemented text, shortened to fit.
bool WriteText(CZuFile& data, const CZuString& text, int limit, int widthBytes)
{
    int length = CWordInfo::StoredLength(text, limit);
    unsigned char field[2];
    CZuLittleEndian::WriteInt16(field, length);
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
    CZuLittleEndian::WriteInt32(entry, iIndex);
    CZuLittleEndian::WriteInt32(entry + 4, iDataOffset);
    CZuLittleEndian::WriteInt32(entry + 8, iSpeechOffset);
    CZuLittleEndian::WriteInt32(entry + 12, iSpeechLength);
    return index.Write(entry, KIndexEntrySize) == KIndexEntrySize;
}

void CWordInfo::ReadIndexEntry(const unsigned char* entry)
{
    iIndex = CZuLittleEndian::ReadInt32(entry);
    iDataOffset = CZuLittleEndian::ReadInt32(entry + 4);
    iSpeechOffset = CZuLittleEndian::ReadInt32(entry + 8);
    iSpeechLength = CZuLittleEndian::ReadInt32(entry + 12);
}

int CWordInfo::StoredLength(const CZuString& text, int limit)
{
    // No character is cut in two.
    return CZuUnicode::Utf8CutLength(Str(text), text.Length(), limit);
}
