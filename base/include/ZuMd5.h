#ifndef ZUMD5_H
#define ZUMD5_H

class CZuString;
class CZuOutStream;

// MD5 digests of the bytes of a string.
class CZuMd5
{
public:
    virtual ~CZuMd5() {}

    // Appends the digest as 32 lowercase hexadecimal characters (no length prefix).
    static void make(const CZuString& text, CZuOutStream& out);
    // The digest folded into 32 bits.
    static unsigned int make(const CZuString& text);
};

#endif // ZUMD5_H
