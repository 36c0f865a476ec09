// Reads random bytes as an input stream: byte 0 gives the length of a script of operations (1 to 32
// bytes), the rest is the stream's data, copied to a block of exactly its size.
#include "FuzzCheck.h"
#include "ZuBase.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    size_t scriptSize = 1 + data[0] % 32;
    if (scriptSize > size - 1)
        scriptSize = size - 1;
    const uint8_t* script = data + 1;
    int streamSize = static_cast<int>(size - 1 - scriptSize);
    unsigned char* bytes = new unsigned char[streamSize > 0 ? streamSize : 1];
    if (streamSize > 0)
        std::memcpy(bytes, data + 1 + scriptSize, streamSize);

    // The stream owns the copy and frees it.
    CZuInStream in(bytes, streamSize, true);
    unsigned char sink[512];
    int turns = streamSize + 64;
    for (int turn = 0; scriptSize > 0 && turn < turns; ++turn)
    {
        uint8_t op = script[turn % scriptSize];
        switch (op % 10)
        {
        case 0:
            in.ReadByte();
            break;
        case 1:
            in.ReadWord();
            break;
        case 2:
            in.ReadInteger();
            break;
        case 3:
        {
            CZuString s;
            in >> s;
            Check(s.Length() <= streamSize);
            break;
        }
        case 4:
        {
            int wanted = (op * 13) % sizeof sink;
            Check(in.ReadBuffer(sink, wanted) <= wanted);
            break;
        }
        case 5:
            in.Skip(op / 10 - 12);
            break;
        case 6:
            in.SetCursor(in.Cursor() + op / 10 - 12);
            break;
        case 7:
        {
            unsigned char b;
            unsigned short w;
            unsigned int i;
            in >> b >> w >> i;
            break;
        }
        case 8:
            if (!in.IsEnd())
                Check(*in.Current() == bytes[in.Cursor()]);
            break;
        default:
            in.SetCursor(0);
            break;
        }
        Check(in.Cursor() >= 0 && in.Cursor() <= in.Size());
        Check(in.Available() == in.Size() - in.Cursor());
    }

    // The same bytes through an output stream and back must come out whole.
    CZuOutStream out;
    out.WriteBuffer(in.Data(), in.Size());
    CZuString line;
    while (out.TestLine())
    {
        int held = out.Size();
        out.ReadLine(line);
        Check(out.Size() < held);
    }
    return 0;
}
