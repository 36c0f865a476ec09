#ifndef WORDINFO_H
#define WORDINFO_H

#include "ZuObject.h"
#include "ZuString.h"

class CZuFile;

// One word of a course in memory: its index entry and the five texts of its record, in plain form.
class CWordInfo : public CZuObject
{
public:
    // Byte limits of the record's length fields.
    static const int KMaxTextLength = 127;
    static const int KMaxExplanationLength = 32767;
    // Size of one entry of the index file.
    static const int KIndexEntrySize = 16;

    CWordInfo();
    CWordInfo(const CWordInfo& other) = default;
    CWordInfo& operator=(const CWordInfo& other) = default;
    ~CWordInfo() override;

    // Reads the record at the data offset. Texts the file does not hold stay empty; false when the record
    // is cut short by the end of the file or its offset cannot be reached.
    bool ReadRecord(CZuFile& data);
    // Writes the record at the current position. A text longer than its field is stored shortened at a
    // UTF-8 character boundary; returns the number of texts shortened, or -1 when a write failed.
    int WriteRecord(CZuFile& data) const;
    // The four integers of the index entry, little-endian.
    bool WriteIndexEntry(CZuFile& index) const;
    // Takes the four integers from a 16-byte index entry.
    void ReadIndexEntry(const unsigned char* entry);

    // The number of bytes of text that a field of limit bytes stores: the whole text when it fits, else
    // the longest prefix that ends on a UTF-8 character boundary.
    static int StoredLength(const CZuString& text, int limit);

    int iIndex;
    int iDataOffset;
    int iSpeechOffset;
    int iSpeechLength;
    // File name of the course the word was taken from; empty for a course's own words.
    CZuString iSource;
    CZuString iWord;
    CZuString iPhonetic;
    CZuString iPhoneticNote;
    // Lines separated by the two characters backslash and n.
    CZuString iExplanation;
};

#endif // WORDINFO_H
