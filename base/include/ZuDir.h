#ifndef ZUDIR_H
#define ZUDIR_H

#include "ZuString.h"

class CZuObjectList;

// A path being browsed, and the listing of folders. The path is built from a "drive" (a root the user
// starts from: "/" and the home folder) and the names entered below it; entered folders end in "/". Names
// are taken literally: no character in them (backslash, '*', '[', a line break, bytes that are not UTF-8)
// has a meaning of its own.
class CZuDir
{
public:
    // What GetDir lists: any sum of these (63 lists everything).
    enum TZuDirKinds
    {
        EListFiles = 1,
        EListDirs = 2,
        // Names beginning with '.'.
        EListHidden = 4,
        // Links to files or folders (listed as what they lead to when that kind is listed too).
        EListLinks = 8,
        // Devices, pipes and sockets.
        EListOther = 16,
        // Links that lead nowhere.
        EListBrokenLinks = 32,
        EListAll = 63
    };

    // The order of GetDir: 0 as the file system gives them, 1 folders first, each part by name (letters
    // A to Z without regard to case, then byte by byte).
    enum TZuDirOrder
    {
        EOrderNone = 0,
        EOrderDirsFirst = 1
    };

    // Why a folder could not be listed.
    enum TZuDirResult
    {
        EDirOk = 0,
        EDirNotFound = 1,
        EDirNoAccess = 2,
        EDirNotDir = 3,
        // Too long a path, or links that lead round in a circle.
        EDirBadPath = 4,
        EDirFailed = 5
    };

    // At the top level: an empty path.
    CZuDir();
    ~CZuDir();

    // The drives: "/" and the home folder (when it is a folder of its own), as new CZuString objects in a
    // new owning list that the caller deletes.
    static CZuObjectList* GetDriveList();
    // The entries of the folder a pattern names: the folder up to the pattern's last '/', then a name that
    // is "*" or empty for every entry, else one literal name. On EDirOk *entries is a new owning list of
    // CZuDirEntry of the kinds asked for, without "." and "..", in the order asked for; otherwise null.
    static TZuDirResult GetDir(const CZuString& pattern, int kinds, int order, CZuObjectList** entries);
    // Orders a list of CZuDirEntry folders first, each part by name; stays quick for large folders.
    static void SortDirsFirst(CZuObjectList& entries);

    // The current path: empty at the top level, else ending in "/" after a drive or folder was entered.
    const CZuString& GetDir() const { return iPath; }
    bool IsTopLevel() const { return iPath.IsEmpty(); }
    // A path of the caller's: "/" is added when it does not end in one; its drive is the longest drive
    // it begins with, else "/". Empty: the top level.
    void SetDir(const CZuString& path);
    // At the top level name is a drive, which becomes the path; below it a folder name is added. False,
    // with the path unchanged, for an empty name, "." or "..", and a folder name holding '/'.
    bool AddDir(const CZuString& name);
    // The name of a file in the current folder added (the path then names the file). False as AddDir.
    bool AddFile(const CZuString& name);
    // Back to the parent folder; from a drive's root back to the top level.
    void RemoveLastDir();

private:
    CZuDir(const CZuDir&) = delete;
    CZuDir& operator=(const CZuDir&) = delete;

    CZuString iPath;
    // The bytes of iPath that are the drive: going up stops there.
    int iDriveLength;
};

#endif // ZUDIR_H
