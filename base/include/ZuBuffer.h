#ifndef ZUBUFFER_H
#define ZUBUFFER_H

#include "ZuLink.h"

// A growable byte buffer in one of three states: empty (no block), owning (a block from the C heap that it
// frees) or linked (viewing bytes somebody else owns, set through Link; never freed). A linked buffer that
// grows copies the viewed bytes into a block of its own.
class CZuBuffer : public CZuLink
{
public:
    CZuBuffer();
    CZuBuffer(const unsigned char* data, int size);
    CZuBuffer(const CZuBuffer& other);
    CZuBuffer(const CZuLink& other);
    CZuBuffer(const CZuLinkC& other);
    // An owning block of exactly size bytes, contents undefined; empty for size below 1.
    explicit CZuBuffer(int size);
    ~CZuBuffer() override;

    // Copies the bytes in; reserves exactly what is needed.
    void Assign(const unsigned char* data, int size);
    void Assign(const CZuLinkC& other);
    CZuBuffer& operator=(const CZuBuffer& other);
    CZuBuffer& operator=(const CZuLink& other);
    CZuBuffer& operator=(const CZuLinkC& other);

    // Views bytes owned elsewhere, freeing an owned block first.
    void Link(const unsigned char* data, int size);
    void Link(const unsigned char* begin, const unsigned char* end);
    void Link(const CZuLinkC& other);

    // Makes the capacity at least size; never shrinks.
    void Reserve(int size);
    // Room for size more bytes: the capacity doubles from 128.
    void Prepare(int size);
    void Resize(int size);
    void Append(unsigned char value);
    void Append(const unsigned char* data, int size);
    // Size 0; the block is kept.
    void Clear() { iSize = 0; }
    int Capacity() const { return iCapacity; }
    void Swap(CZuBuffer& other);

    // Takes over a block from the C heap (malloc family): owning, size and capacity size.
    void Manage(unsigned char* data, int size);
    // Frees an owned block, then Unlink.
    void Deallocate();
    // Pointer null, size 0, capacity 0, without freeing: the caller has taken the block.
    void Unlink() override;
    bool IsLinked() const { return iCapacity == 0 && iData != nullptr; }

private:
    void FreeOwned();

    int iCapacity;
};

#endif // ZUBUFFER_H
