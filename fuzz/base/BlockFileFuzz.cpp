// Reads random bytes as a block file. The input is a script of read operations followed by the file:
// byte 0 gives the script length (1 to 32 bytes), the rest is written to an in-memory file that
// CZuReadFileStream and CZuFile then read with every read operation, in the order the script says.
#include "FuzzCheck.h"
#include "ZuBase.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace
{

// One memory file for the whole run, reached through its /proc path so that CZuFile opens it by name.
int MemoryFile(CZuString& path)
{
    static int fd = -1;
    static char name[64];
    if (fd < 0)
    {
        fd = memfd_create("zu-blockfile", 0);
        if (fd < 0)
            std::abort();
        std::snprintf(name, sizeof name, "/proc/self/fd/%d", fd);
    }
    path = name;
    return fd;
}

void RunScript(const uint8_t* script, size_t scriptSize, const CZuString& path, int fileSize)
{
    CZuReadFileStream in;
    Check(in.Open(path));
    unsigned char sink[1024];
    // Enough turns to run past the end of small files; large ones are also read whole by ReadAllBlocks.
    int turns = (fileSize < 4096 ? fileSize : 4096) + 64;
    for (int turn = 0; turn < turns; ++turn)
    {
        uint8_t op = script[turn % scriptSize];
        switch (op % 9)
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
            in.ReadString(s);
            Check(s.Length() <= fileSize);
            break;
        }
        case 4:
        {
            int wanted = (op * 7) % sizeof sink;
            int got = in.ReadBuffer(sink, wanted);
            Check(got >= 0 && got <= wanted);
            break;
        }
        case 5:
        {
            unsigned char b;
            unsigned short w;
            in >> b >> w;
            break;
        }
        case 6:
        {
            unsigned int i;
            CZuString s;
            in >> i >> s;
            break;
        }
        case 7:
            in.Close();
            Check(in.Open(path));
            break;
        default:
            in.ReadBuffer(sink, 0);
            break;
        }
    }
    in.Close();
}

void ReadAllBlocks(const CZuString& path, int fileSize)
{
    CZuFile file;
    Check(file.Open(path));
    CZuInStream block;
    int total = 0;
    // Every Block read consumes its header, so the loop ends.
    while (file.Position() < file.Length())
    {
        int size = file.Read(block);
        Check(size >= 0 && size <= fileSize);
        Check(block.Size() == size);
        total += size + 4;
        Check(total <= fileSize + 4);
    }
    file.Close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    size_t scriptSize = 1 + data[0] % 32;
    if (scriptSize > size - 1)
        scriptSize = size - 1;
    const uint8_t* script = data + 1;
    const uint8_t* file = data + 1 + scriptSize;
    size_t fileSize = size - 1 - scriptSize;

    CZuString path;
    int fd = MemoryFile(path);
    if (ftruncate(fd, 0) != 0 ||
        (fileSize > 0 && pwrite(fd, file, fileSize, 0) != static_cast<ssize_t>(fileSize)))
        std::abort();

    static const uint8_t KDefaultScript[] = {2, 3, 1, 0, 4, 5, 6, 7};
    if (scriptSize == 0)
        RunScript(KDefaultScript, sizeof KDefaultScript, path, static_cast<int>(fileSize));
    else
        RunScript(script, scriptSize, path, static_cast<int>(fileSize));
    ReadAllBlocks(path, static_cast<int>(fileSize));
    return 0;
}
