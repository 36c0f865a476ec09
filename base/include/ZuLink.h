#ifndef ZULINK_H
#define ZULINK_H

#include "ZuLinkC.h"

// A view of writable bytes somebody else owns.
class CZuLink : public CZuLinkC
{
public:
    CZuLink();
    CZuLink(unsigned char* data, int size);
    CZuLink(const CZuLink& other);
    CZuLink& operator=(const CZuLink& other);

    unsigned char* Begin() const { return const_cast<unsigned char*>(iData); }
    unsigned char* Data() const { return const_cast<unsigned char*>(iData); }
    operator unsigned char*() const { return const_cast<unsigned char*>(iData); }
    unsigned char* End() const { return const_cast<unsigned char*>(iData) + iSize; }

    unsigned char At(int i) const { return iData[i]; }
    unsigned char& At(int i) { return Data()[i]; }
    unsigned char operator[](int i) const { return iData[i]; }
    unsigned char& operator[](int i) { return Data()[i]; }

    // Copies to the start of the viewed bytes; the size is neither changed nor checked.
    void Copy(const unsigned char* data, int size);
    void Copy(const CZuLinkC& other);
    // Moves the bytes after pos + count down to pos and shortens the size by count.
    void Erase(int pos, int count);
};

#endif // ZULINK_H
