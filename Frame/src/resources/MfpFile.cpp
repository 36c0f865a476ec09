#include "MfpFile.h"

CMfpFile::CMfpFile(const CZuString& name, const CZuString& text, const CZuString& folder, int size,
                   int offset)
    : iName(name), iText(text), iFolder(folder), iSize(size), iOffset(offset), iData(nullptr)
{
    iName.ToLower();
}

CMfpFile::~CMfpFile()
{
    delete[] iData;
}

void CMfpFile::SetData(char* data)
{
    delete[] iData;
    iData = data;
}
