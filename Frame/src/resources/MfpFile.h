#ifndef MFPFILE_H
#define MFPFILE_H

#include "ZuObject.h"
#include "ZuString.h"

// One entry of a resource package: its name (lower-cased when read), a second text, the folder it
// belongs to, where its bytes lie in the package, and those bytes once they have been read.
class CMfpFile : public CZuObject
{
public:
    CMfpFile(const CZuString& name, const CZuString& text, const CZuString& folder, int size, int offset);
    ~CMfpFile() override;

    const CZuString& Name() const { return iName; }
    const CZuString& Text() const { return iText; }
    const CZuString& Folder() const { return iFolder; }
    int Size() const { return iSize; }
    int Offset() const { return iOffset; }

    // The cached bytes (size + 1 bytes, the last one 0), or null before they were read.
    char* Data() const { return iData; }
    // Takes ownership of a new[] block.
    void SetData(char* data);

private:
    CMfpFile(const CMfpFile&) = delete;
    CMfpFile& operator=(const CMfpFile&) = delete;

    CZuString iName;
    CZuString iText;
    CZuString iFolder;
    int iSize;
    int iOffset;
    char* iData;
};

#endif // MFPFILE_H
