#ifndef ZUMFPEXTRACT_H
#define ZUMFPEXTRACT_H

#include "ZuObjectList.h"

class CMfpFile;
class CZuImage;
class CZuReadOnlyFile;
class CZuString;
class MZuImageSource;

// Reads a resource package: one file holding many files. All integers are 4 bytes little-endian.
//   header     a leading value (kept, not checked), the entry count N
//   directory  N entries: name, second text, folder (each a length and its bytes), data size, data offset
//   data       the entries' bytes, stored plainly at their offsets from the start of the file
// A directory entry that claims more bytes than the file holds ends the directory; nothing is read past
// the end of the file. Entry data is read on first request and kept.
class CZuMfpExtract
{
public:
    CZuMfpExtract();
    virtual ~CZuMfpExtract();

    // Opens the package and reads its directory, replacing any earlier one. False when the file cannot be
    // opened; a file too short for a header opens with no entries.
    bool Open(const char* path);
    // Closes the file; data already read stays available.
    void Close();

    int GetFileCount() const { return iFiles.GetCount(); }
    // The entry at index, or null.
    CMfpFile* GetFile(int index) const;
    // The header's leading value.
    int GetLeadingValue() const { return iLeadingValue; }

    // The entry's bytes followed by a 0 byte, read on the first request and kept by the entry; size
    // receives the data size. Null (size 0) for an index outside the directory or bytes that cannot be read.
    char* GetFileData(int index, int& size);
    // The same for the first entry whose name equals name lower-cased.
    char* GetFileData(const char* name, int& size);

    // An image by its name (lower-cased): the image source's own image when it has or can load one under
    // that name, else one made from the first package entry of that name. Null without an image source.
    CZuImage* GetImage(const char* name, bool withMask);
    CZuImage* GetImage(const char* name, int width, int height, bool withMask);
    // The image cache that GetImage asks; not owned. A package starts with the environment's image manager
    // (none without an environment).
    void SetImageSource(MZuImageSource* source) { iImageSource = source; }

    // Writes every entry of the package to outDir/folder/name, creating folders as needed, then closes the
    // package. Entries whose folder or name is absolute or climbs out of outDir are refused: each is
    // logged and skipped. True when the package opened and every entry was written.
    bool ExtractMfp(const char* package, const char* outDir);
    // Null when folder + name stays inside an output folder, else why it does not.
    static const char* CheckEntryPath(const CZuString& folder, const CZuString& name);

private:
    CZuMfpExtract(const CZuMfpExtract&) = delete;
    CZuMfpExtract& operator=(const CZuMfpExtract&) = delete;

    void ReadDirectory();
    bool ReadText(int& position, CZuString& text);
    bool ReadInt(int& position, int& value);
    int FindFile(const char* name) const;
    // The entry's bytes in a new[] block of size + 1 (last byte 0); null when they cannot be read.
    char* ReadEntry(const CMfpFile& file);
    CZuImage* MakeImage(const char* name, int width, int height, bool withMask);
    bool ExtractEntry(const CMfpFile& file, const char* outDir);

    int iLeadingValue;
    CZuObjectList iFiles;
    CZuReadOnlyFile* iPackage;
    MZuImageSource* iImageSource;
};

#endif // ZUMFPEXTRACT_H
