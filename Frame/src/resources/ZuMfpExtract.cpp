#include "ZuMfpExtract.h"

#include "ZuEnv.h"
#include "ZuImageManager.h"

#include "MfpFile.h"
#include "ZuFile.h"
#include "ZuImageSource.h"
#include "ZuLittleEndian.h"
#include "ZuLog.h"
#include "ZuReadOnlyFile.h"
#include "ZuString.h"

#include <cstring>

namespace
{

const int KHeaderSize = 8;
const int KCopyChunk = 65536;

bool IsSeparator(char ch)
{
    return ch == '/' || ch == '\\';
}

// Packages may come from systems that separate folders with '\'.
CZuString WithSlashes(const CZuString& path)
{
    CZuString result(path);
    for (int i = 0; i < result.Length(); ++i)
    {
        if (result[i] == '\\')
            result[i] = '/';
    }
    return result;
}

bool IsAbsolute(const CZuString& path)
{
    if (path.Length() >= 1 && IsSeparator(path[0]))
        return true;
    // A drive letter ("c:") names a place outside any folder we write to.
    char first = path.Length() >= 2 ? path[0] : '\0';
    bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
    return letter && path[1] == ':';
}

bool HasParentStep(const CZuString& path)
{
    int start = 0;
    for (int i = 0; i <= path.Length(); ++i)
    {
        if (i < path.Length() && !IsSeparator(path[i]))
            continue;
        if (i - start == 2 && path[start] == '.' && path[start + 1] == '.')
            return true;
        start = i + 1;
    }
    return false;
}

bool HasZeroByte(const CZuString& path)
{
    return path.Length() > 0 && static_cast<int>(std::strlen(Str(path))) != path.Length();
}

CZuString JoinPath(const char* outDir, const CMfpFile& file)
{
    CZuString path(outDir);
    if (!path.IsEmpty() && path[path.Length() - 1] != '/')
        path += '/';
    CZuString folder = WithSlashes(file.Folder());
    path += folder;
    if (!folder.IsEmpty() && folder[folder.Length() - 1] != '/')
        path += '/';
    path += WithSlashes(file.Name());
    return path;
}

} // namespace

CZuMfpExtract::CZuMfpExtract()
    : iLeadingValue(0), iFiles(true), iPackage(new CZuReadOnlyFile), iImageSource(CZuEnv::ImageMgr())
{
}

CZuMfpExtract::~CZuMfpExtract()
{
    delete iPackage;
}

bool CZuMfpExtract::Open(const char* path)
{
    iFiles.DeleteAll();
    iLeadingValue = 0;
    if (!iPackage->Open(path))
        return false;
    ReadDirectory();
    return true;
}

void CZuMfpExtract::Close()
{
    iPackage->Close();
}

void CZuMfpExtract::ReadDirectory()
{
    unsigned char header[KHeaderSize];
    if (!iPackage->ReadAt(0, header, KHeaderSize))
        return;
    iLeadingValue = CZuLittleEndian::ReadInt32(header);
    int count = CZuLittleEndian::ReadInt32(header + 4);
    int position = KHeaderSize;
    // Every entry takes at least 20 bytes, so a damaged count cannot make this loop outlast the file.
    for (int i = 0; i < count; ++i)
    {
        CZuString name, text, folder;
        int size = 0, offset = 0;
        if (!ReadText(position, name) || !ReadText(position, text) || !ReadText(position, folder) ||
            !ReadInt(position, size) || !ReadInt(position, offset))
            return;
        if (size < 0 || offset < 0 || offset > iPackage->Length() || size > iPackage->Length() - offset)
            return;
        iFiles.Append(new CMfpFile(name, text, folder, size, offset));
    }
}

bool CZuMfpExtract::ReadInt(int& position, int& value)
{
    unsigned char bytes[4];
    if (!iPackage->ReadAt(position, bytes, 4))
        return false;
    position += 4;
    value = CZuLittleEndian::ReadInt32(bytes);
    return true;
}

bool CZuMfpExtract::ReadText(int& position, CZuString& text)
{
    int length = 0;
    if (!ReadInt(position, length))
        return false;
    if (length < 0 || length > iPackage->Length() - position)
        return false;
    if (length == 0)
    {
        text = "";
        return true;
    }
    char* bytes = new char[length];
    bool read = iPackage->ReadAt(position, bytes, length);
    if (read)
        text.SetString(bytes, length);
    delete[] bytes;
    if (!read)
        return false;
    position += length;
    return true;
}

CMfpFile* CZuMfpExtract::GetFile(int index) const
{
    if (index < 0 || index >= iFiles.GetCount())
        return nullptr;
    return static_cast<CMfpFile*>(iFiles.GetAt(index));
}

int CZuMfpExtract::FindFile(const char* name) const
{
    if (name == nullptr)
        return -1;
    CZuString wanted(name);
    wanted.ToLower();
    for (int i = 0; i < iFiles.GetCount(); ++i)
    {
        if (GetFile(i)->Name() == wanted)
            return i;
    }
    return -1;
}

char* CZuMfpExtract::ReadEntry(const CMfpFile& file)
{
    char* data = new char[file.Size() + 1];
    if (!iPackage->ReadAt(file.Offset(), data, file.Size()))
    {
        delete[] data;
        return nullptr;
    }
    data[file.Size()] = '\0';
    return data;
}

char* CZuMfpExtract::GetFileData(int index, int& size)
{
    size = 0;
    CMfpFile* file = GetFile(index);
    if (file == nullptr)
        return nullptr;
    if (file->Data() == nullptr)
        file->SetData(ReadEntry(*file));
    if (file->Data() != nullptr)
        size = file->Size();
    return file->Data();
}

char* CZuMfpExtract::GetFileData(const char* name, int& size)
{
    size = 0;
    int index = FindFile(name);
    return index < 0 ? nullptr : GetFileData(index, size);
}

CZuImage* CZuMfpExtract::GetImage(const char* name, bool withMask)
{
    return MakeImage(name, 0, 0, withMask);
}

CZuImage* CZuMfpExtract::GetImage(const char* name, int width, int height, bool withMask)
{
    return MakeImage(name, width, height, withMask);
}

CZuImage* CZuMfpExtract::MakeImage(const char* name, int width, int height, bool withMask)
{
    if (name == nullptr || iImageSource == nullptr)
        return nullptr;
    CZuString key(name);
    key.ToLower();
    CZuImage* image = iImageSource->GetImage(key, width, height, withMask, nullptr, 0);
    if (image != nullptr)
        return image;
    int index = FindFile(key);
    if (index < 0)
        return nullptr;
    const CMfpFile& file = *GetFile(index);
    // Bytes already cached for GetFileData serve as they are; others are read for this image only, so
    // the entry stays usable for later requests.
    if (file.Data() != nullptr)
        return iImageSource->GetImage(key, width, height, withMask, file.Data(), file.Size());
    char* data = ReadEntry(file);
    if (data == nullptr)
        return nullptr;
    image = iImageSource->GetImage(key, width, height, withMask, data, file.Size());
    delete[] data;
    return image;
}

const char* CZuMfpExtract::CheckEntryPath(const CZuString& folder, const CZuString& name)
{
    if (name.IsEmpty())
        return "the entry has no name";
    if (HasZeroByte(folder) || HasZeroByte(name))
        return "a zero byte in its folder or name";
    if (IsAbsolute(folder) || IsAbsolute(name))
        return "an absolute folder or name";
    if (HasParentStep(folder) || HasParentStep(name))
        return "a '..' step that climbs out of the output folder";
    return nullptr;
}

bool CZuMfpExtract::ExtractMfp(const char* package, const char* outDir)
{
    if (outDir == nullptr || !Open(package))
        return false;
    bool allWritten = true;
    for (int i = 0; i < iFiles.GetCount(); ++i)
    {
        const CMfpFile& file = *GetFile(i);
        const char* problem = CheckEntryPath(file.Folder(), file.Name());
        if (problem != nullptr)
        {
            ZU_LOG("ExtractMfp: entry %d (folder \"%s\", name \"%s\") refused: %s", i, Str(file.Folder()),
                   Str(file.Name()), problem);
            allWritten = false;
            continue;
        }
        if (!ExtractEntry(file, outDir))
            allWritten = false;
    }
    Close();
    return allWritten;
}

bool CZuMfpExtract::ExtractEntry(const CMfpFile& file, const char* outDir)
{
    CZuString path = JoinPath(outDir, file);
    CZuFile out;
    if (!CZuFile::MakeFoldersFor(path) || !out.Create(path))
    {
        ZU_LOG("ExtractMfp: cannot create \"%s\"", Str(path));
        return false;
    }
    char chunk[KCopyChunk];
    for (int done = 0; done < file.Size();)
    {
        int part = file.Size() - done < KCopyChunk ? file.Size() - done : KCopyChunk;
        if (!iPackage->ReadAt(file.Offset() + done, chunk, part) || out.Write(chunk, part) != part)
        {
            ZU_LOG("ExtractMfp: cannot copy \"%s\"", Str(path));
            return false;
        }
        done += part;
    }
    return true;
}
