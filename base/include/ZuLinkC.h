#ifndef ZULINKC_H
#define ZULINKC_H

// A view of bytes somebody else owns: nothing is copied or freed.
class CZuLinkC
{
public:
    CZuLinkC();
    CZuLinkC(const unsigned char* data, int size);
    CZuLinkC(const CZuLinkC& other);
    virtual ~CZuLinkC();

    // Each form first calls the virtual Unlink.
    void Link(const unsigned char* data, int size);
    void Link(const unsigned char* begin, const unsigned char* end);
    void Link(const CZuLinkC& other);
    CZuLinkC& operator=(const CZuLinkC& other);
    // Pointer null, size 0.
    virtual void Unlink();

    const unsigned char* Begin() const { return iData; }
    const unsigned char* cdata() const { return iData; }
    const unsigned char* Data() const { return iData; }
    operator const unsigned char*() const { return iData; }
    const unsigned char* End() const { return iData + iSize; }

    int Size() const { return iSize; }
    // Sets the size without touching the bytes.
    void Resize(int size) { iSize = size; }
    bool IsEmpty() const { return iSize == 0; }

    unsigned char At(int i) const { return iData[i]; }
    unsigned char operator[](int i) const { return iData[i]; }
    // Index of the first byte equal to value, or -1.
    int Find(unsigned char value) const;
    // Same size and same bytes.
    bool operator==(const CZuLinkC& other) const;
    void Swap(CZuLinkC& other);

protected:
    const unsigned char* iData;
    int iSize;
};

#endif // ZULINKC_H
