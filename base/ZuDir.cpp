#include "ZuDir.h"

#include "ZuDirEntry.h"
#include "ZuObjectList.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
const char KRoot[] = "/";

// The home folder without a trailing '/', or empty when there is none of its own.
CZuString HomeFolder()
{
    const char* home = std::getenv("HOME");
    std::vector<char> buffer;
    if (!home || home[0] != '/')
    {
        long size = sysconf(_SC_GETPW_R_SIZE_MAX);
        buffer.resize(size > 0 ? static_cast<size_t>(size) : 16384);
        struct passwd record;
        struct passwd* found = nullptr;
        if (getpwuid_r(getuid(), &record, buffer.data(), buffer.size(), &found) != 0 || !found)
            return CZuString();
        home = found->pw_dir;
    }
    if (!home || home[0] != '/')
        return CZuString();
    int length = static_cast<int>(std::strlen(home));
    while (length > 1 && home[length - 1] == '/')
        --length;
    struct stat info;
    CZuString folder(home, length);
    if (length <= 1 || stat(folder.PtrZ(), &info) != 0 || !S_ISDIR(info.st_mode))
        return CZuString();
    return folder;
}

// A path that ends in exactly one '/' (a drive given as "/" stays "/").
CZuString AsFolder(const CZuString& path)
{
    int length = path.Length();
    while (length > 1 && path[length - 1] == '/')
        --length;
    CZuString folder = path.Left(length);
    if (folder.Length() == 0 || folder[folder.Length() - 1] != '/')
        folder += '/';
    return folder;
}

bool IsPlainName(const CZuString& name)
{
    if (name.IsEmpty() || name == "." || name == "..")
        return false;
    return name.Find('/') < 0;
}

CZuDir::TZuDirResult ResultOf(int error)
{
    switch (error)
    {
    case ENOENT:
        return CZuDir::EDirNotFound;
    case EACCES:
    case EPERM:
        return CZuDir::EDirNoAccess;
    case ENOTDIR:
        return CZuDir::EDirNotDir;
    case ELOOP:
    case ENAMETOOLONG:
        return CZuDir::EDirBadPath;
    default:
        return CZuDir::EDirFailed;
    }
}

// What the name in the open folder is. A link is looked through once by the system (which gives up on
// circles); it is never followed further here.
CZuDirEntry::TZuDirEntryKind KindOf(int folder, const struct dirent& entry)
{
    unsigned char type = entry.d_type;
    struct stat info;
    if (type == DT_UNKNOWN)
    {
        if (fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return CZuDirEntry::EKindOther;
        type = S_ISLNK(info.st_mode)   ? DT_LNK
               : S_ISDIR(info.st_mode) ? DT_DIR
               : S_ISREG(info.st_mode) ? DT_REG
                                       : DT_UNKNOWN;
    }
    switch (type)
    {
    case DT_DIR:
        return CZuDirEntry::EKindDir;
    case DT_REG:
        return CZuDirEntry::EKindFile;
    case DT_LNK:
        if (fstatat(folder, entry.d_name, &info, 0) != 0)
            return CZuDirEntry::EKindBrokenLink;
        return S_ISDIR(info.st_mode) ? CZuDirEntry::EKindLinkToDir : CZuDirEntry::EKindLinkToFile;
    default:
        return CZuDirEntry::EKindOther;
    }
}

bool Wanted(const CZuDirEntry& entry, int kinds)
{
    if (entry.IsHidden() && !(kinds & CZuDir::EListHidden))
        return false;
    switch (entry.Kind())
    {
    case CZuDirEntry::EKindFile:
        return kinds & CZuDir::EListFiles;
    case CZuDirEntry::EKindDir:
        return kinds & CZuDir::EListDirs;
    case CZuDirEntry::EKindLinkToFile:
        return (kinds & CZuDir::EListLinks) && (kinds & CZuDir::EListFiles);
    case CZuDirEntry::EKindLinkToDir:
        return (kinds & CZuDir::EListLinks) && (kinds & CZuDir::EListDirs);
    case CZuDirEntry::EKindBrokenLink:
        return kinds & CZuDir::EListBrokenLinks;
    default:
        return kinds & CZuDir::EListOther;
    }
}

unsigned char Folded(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// What the sort compares, kept beside the entry so that a comparison reads the name's bytes directly.
struct TSortKey
{
    const unsigned char* iName;
    int iLength;
    bool iDir;
    CZuObject* iEntry;
};

TSortKey KeyOf(CZuObject* object)
{
    const CZuDirEntry* entry = static_cast<const CZuDirEntry*>(object);
    return TSortKey{reinterpret_cast<const unsigned char*>(entry->iName.PtrZ()), entry->iName.Length(),
                    entry->IsDir(), object};
}

// Folders first; then names with A to Z taken as a to z; then byte by byte, so that the order is total.
inline bool ComesBefore(const TSortKey& first, const TSortKey& second)
{
    if (first.iDir != second.iDir)
        return first.iDir;
    const int n = std::min(first.iLength, second.iLength);
    for (int i = 0; i < n; ++i)
    {
        const unsigned char a = Folded(first.iName[i]), b = Folded(second.iName[i]);
        if (a != b)
            return a < b;
    }
    if (first.iLength != second.iLength)
        return first.iLength < second.iLength;
    return n > 0 && std::memcmp(first.iName, second.iName, static_cast<size_t>(n)) < 0;
}

// The objects in order, folders first.
void SortEntries(std::vector<CZuObject*>& entries)
{
    std::vector<TSortKey> keys;
    keys.reserve(entries.size());
    for (CZuObject* entry : entries)
        keys.push_back(KeyOf(entry));
    std::sort(keys.begin(), keys.end(),
              [](const TSortKey& a, const TSortKey& b) { return ComesBefore(a, b); });
    for (size_t i = 0; i < keys.size(); ++i)
        entries[i] = keys[i].iEntry;
}
} // namespace

CZuDir::CZuDir() : iDriveLength(0) {}

CZuDir::~CZuDir() {}

CZuObjectList* CZuDir::GetDriveList()
{
    CZuObjectList* drives = new CZuObjectList(true);
    drives->Append(new CZuString(KRoot));
    CZuString home = HomeFolder();
    if (!home.IsEmpty())
        drives->Append(new CZuString(home));
    return drives;
}

CZuDir::TZuDirResult CZuDir::GetDir(const CZuString& pattern, int kinds, int order, CZuObjectList** entries)
{
    if (entries)
        *entries = nullptr;
    const int slash = [&pattern]
    {
        for (int i = pattern.Length() - 1; i >= 0; --i)
            if (pattern[i] == '/')
                return i;
        return -1;
    }();
    if (!entries || slash < 0)
        return EDirNotFound;
    const CZuString folderPath = pattern.Left(slash + 1);
    const CZuString only = pattern.Mid(slash + 1);
    const bool every = only.IsEmpty() || only == "*";

    const int folder = open(folderPath.PtrZ(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return ResultOf(errno);
    DIR* stream = fdopendir(folder);
    if (!stream)
    {
        const int error = errno;
        close(folder);
        return ResultOf(error);
    }
    std::vector<CZuObject*> found;
    errno = 0;
    while (struct dirent* entry = readdir(stream))
    {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        if (!every && only != name)
            continue;
        CZuDirEntry* item = new CZuDirEntry(CZuString(name), KindOf(folder, *entry));
        if (Wanted(*item, kinds))
            found.push_back(item);
        else
            delete item;
        errno = 0;
    }
    const int error = errno;
    closedir(stream);
    if (error != 0)
    {
        for (CZuObject* item : found)
            delete item;
        return ResultOf(error);
    }
    if (order == EOrderDirsFirst)
        SortEntries(found);
    CZuObjectList* list = new CZuObjectList(static_cast<int>(found.size()) + 1, true);
    for (CZuObject* item : found)
        list->Append(item);
    *entries = list;
    return EDirOk;
}

void CZuDir::SortDirsFirst(CZuObjectList& entries)
{
    std::vector<CZuObject*> items;
    items.reserve(static_cast<size_t>(entries.GetCount()));
    for (int i = 0; i < entries.GetCount(); ++i)
        items.push_back(entries.GetAt(i));
    SortEntries(items);
    for (int i = 0; i < entries.GetCount(); ++i)
        entries.SetAt(i, items[static_cast<size_t>(i)]);
}

void CZuDir::SetDir(const CZuString& path)
{
    if (path.IsEmpty())
    {
        iPath.Empty();
        iDriveLength = 0;
        return;
    }
    iPath = AsFolder(path);
    iDriveLength = 1;
    const CZuString home = HomeFolder();
    if (!home.IsEmpty() && iPath.Length() > home.Length() && iPath.Left(home.Length()) == home &&
        iPath[home.Length()] == '/')
        iDriveLength = home.Length() + 1;
}

bool CZuDir::AddDir(const CZuString& name)
{
    if (iPath.IsEmpty())
    {
        if (name.IsEmpty() || name[0] != '/')
            return false;
        iPath = AsFolder(name);
        iDriveLength = iPath.Length();
        return true;
    }
    if (!IsPlainName(name) || iPath[iPath.Length() - 1] != '/')
        return false;
    iPath += name;
    iPath += '/';
    return true;
}

bool CZuDir::AddFile(const CZuString& name)
{
    if (iPath.IsEmpty() || !IsPlainName(name) || iPath[iPath.Length() - 1] != '/')
        return false;
    iPath += name;
    return true;
}

void CZuDir::RemoveLastDir()
{
    if (iPath.Length() <= iDriveLength)
    {
        iPath.Empty();
        iDriveLength = 0;
        return;
    }
    // A file's name, or a folder's name with its '/', goes.
    int end = iPath.Length() - 1;
    if (iPath[end] == '/')
        --end;
    while (end >= 0 && iPath[end] != '/')
        --end;
    iPath = iPath.Left(std::max(end + 1, iDriveLength));
}
