#ifndef ZUDIRENTRY_H
#define ZUDIRENTRY_H

#include "ZuObject.h"
#include "ZuString.h"

// One name found in a folder, with what it is. The name is kept exactly as the file system holds it (any
// bytes but '/' and the zero byte), so that it can be opened again; DisplayName() is what a person reads.
class CZuDirEntry : public CZuObject
{
public:
    enum TZuDirEntryKind
    {
        EKindFile = 0,
        EKindDir = 1,
        // A symbolic link to a file or to a folder.
        EKindLinkToFile = 2,
        EKindLinkToDir = 3,
        // A link that leads nowhere: its target is missing, or links lead round in a circle.
        EKindBrokenLink = 4,
        // A device, a pipe or a socket.
        EKindOther = 5
    };

    CZuDirEntry(const CZuString& name, TZuDirEntryKind kind);
    ~CZuDirEntry() override;

    // A folder, or a link that leads to one: something that can be entered.
    bool IsDir() const { return iKind == EKindDir || iKind == EKindLinkToDir; }
    bool IsLink() const
    {
        return iKind == EKindLinkToFile || iKind == EKindLinkToDir || iKind == EKindBrokenLink;
    }
    bool IsHidden() const { return iName.Length() > 0 && iName[0] == '.'; }
    TZuDirEntryKind Kind() const { return iKind; }
    // The name as UTF-8 text for showing: bytes that are not UTF-8 and control characters (a line break
    // in a name, for example) each become U+FFFD.
    CZuString DisplayName() const;
    // Any bytes as UTF-8 text for showing, by the rule of DisplayName().
    static CZuString DisplayText(const CZuString& bytes);

    // The name as stored.
    CZuString iName;

private:
    TZuDirEntryKind iKind;
};

#endif // ZUDIRENTRY_H
