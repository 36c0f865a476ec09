#include "ZuBase.h"

#include "Unprivileged.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

typedef std::vector<unsigned char> TBytes;

TBytes BytesOf(const CZuOutStream& out)
{
    return TBytes(out.Data(), out.Data() + out.Size());
}

// A scratch folder of its own for each test.
class ZuFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zubase-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        iFolder = pattern;
    }

    void TearDown() override
    {
        std::string command = "rm -rf '" + iFolder + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }

    CZuString PathOf(const char* name) const { return CZuString((iFolder + "/" + name).c_str()); }

    TBytes ReadWhole(const CZuString& path) const
    {
        TBytes bytes;
        FILE* f = std::fopen(path.PtrZ(), "rb");
        if (f == nullptr)
            return bytes;
        int ch;
        while ((ch = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<unsigned char>(ch));
        std::fclose(f);
        return bytes;
    }

    void WriteWhole(const CZuString& path, const TBytes& bytes) const
    {
        FILE* f = std::fopen(path.PtrZ(), "wb");
        ASSERT_NE(f, nullptr);
        size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        ASSERT_EQ(written, bytes.size());
    }

    std::string iFolder;
};

// The payload sizes of the Blocks of a block file, checking that the Blocks cover it exactly.
std::vector<unsigned int> BlockSizes(const TBytes& file)
{
    std::vector<unsigned int> sizes;
    size_t at = 0;
    while (at + 4 <= file.size())
    {
        unsigned int size = (file[at] << 24) | (file[at + 1] << 16) | (file[at + 2] << 8) | file[at + 3];
        sizes.push_back(size);
        at += 4 + size;
    }
    EXPECT_EQ(at, file.size());
    return sizes;
}

} // namespace

TEST(ZuLink, ViewsWithoutCopying)
{
    unsigned char bytes[] = {1, 2, 3, 2};
    CZuLinkC view(bytes, 4);
    EXPECT_EQ(view.Data(), bytes);
    EXPECT_EQ(view.End(), bytes + 4);
    EXPECT_EQ(view.Find(2), 1);
    EXPECT_EQ(view.Find(9), -1);
    EXPECT_EQ(CZuLinkC().Find(0), -1);
    EXPECT_EQ(view[3], 2);

    CZuLinkC other;
    other.Link(bytes, bytes + 2);
    EXPECT_EQ(other.Size(), 2);
    EXPECT_FALSE(other == view);
    unsigned char same[] = {1, 2, 3, 2};
    EXPECT_TRUE(view == CZuLinkC(same, 4));
    other.Swap(view);
    EXPECT_EQ(view.Size(), 2);
    EXPECT_EQ(other.Size(), 4);
    other.Unlink();
    EXPECT_TRUE(other.IsEmpty());
    EXPECT_EQ(other.Data(), nullptr);

    CZuLink writable(bytes, 4);
    writable[0] = 7;
    EXPECT_EQ(bytes[0], 7);
    const unsigned char source[] = {5, 6};
    writable.Copy(source, 2);
    EXPECT_EQ(bytes[1], 6);
    EXPECT_EQ(writable.Size(), 4);
    writable.Erase(1, 2);
    EXPECT_EQ(writable.Size(), 2);
    EXPECT_EQ(bytes[1], 2);
    writable.Erase(0, 0);
    EXPECT_EQ(writable.Size(), 2);
}

TEST(ZuBuffer, ThreeStates)
{
    CZuBuffer empty;
    EXPECT_EQ(empty.Capacity(), 0);
    EXPECT_EQ(empty.Data(), nullptr);
    EXPECT_FALSE(empty.IsLinked());

    const unsigned char bytes[] = {1, 2, 3};
    CZuBuffer owning(bytes, 3);
    EXPECT_EQ(owning.Capacity(), 3);
    EXPECT_NE(owning.Data(), bytes);
    EXPECT_FALSE(owning.IsLinked());
    CZuBuffer copy(owning);
    EXPECT_TRUE(copy == owning);
    EXPECT_NE(copy.Data(), owning.Data());

    CZuBuffer linked;
    linked.Link(bytes, 3);
    EXPECT_TRUE(linked.IsLinked());
    EXPECT_EQ(linked.Data(), bytes);
    EXPECT_EQ(linked.Capacity(), 0);
}

TEST(ZuBuffer, LinkedBufferCopiesWhenItGrows)
{
    unsigned char bytes[] = {'a', 'b', 'c'};
    CZuBuffer buffer;
    buffer.Link(bytes, 3);
    buffer.Append('d');
    EXPECT_FALSE(buffer.IsLinked());
    EXPECT_NE(buffer.Data(), bytes);
    EXPECT_EQ(buffer.Capacity(), 128);
    ASSERT_EQ(buffer.Size(), 4);
    EXPECT_EQ(std::memcmp(buffer.Data(), "abcd", 4), 0);
    EXPECT_EQ(std::memcmp(bytes, "abc", 3), 0);
}

TEST(ZuBuffer, GrowthRuleAndExactReserves)
{
    CZuBuffer buffer;
    buffer.Append('x');
    EXPECT_EQ(buffer.Capacity(), 128);
    std::vector<unsigned char> block(300, 7);
    buffer.Append(block.data(), 300);
    EXPECT_EQ(buffer.Capacity(), 512);
    EXPECT_EQ(buffer.Size(), 301);
    buffer.Prepare(211);
    EXPECT_EQ(buffer.Capacity(), 512);
    buffer.Prepare(212);
    EXPECT_EQ(buffer.Capacity(), 1024);
    buffer.Clear();
    EXPECT_EQ(buffer.Size(), 0);
    EXPECT_EQ(buffer.Capacity(), 1024);
    buffer.Reserve(10);
    EXPECT_EQ(buffer.Capacity(), 1024);

    CZuBuffer exact;
    exact.Resize(10);
    EXPECT_EQ(exact.Capacity(), 10);
    exact.Assign(block.data(), 20);
    EXPECT_EQ(exact.Capacity(), 20);
    EXPECT_EQ(exact.Size(), 20);
    CZuBuffer sized(5);
    EXPECT_EQ(sized.Size(), 5);
    EXPECT_EQ(sized.Capacity(), 5);
    CZuBuffer none(0);
    EXPECT_EQ(none.Size(), 0);
    EXPECT_EQ(none.Data(), nullptr);
}

TEST(ZuBuffer, AppendFromItsOwnBytes)
{
    CZuBuffer buffer(reinterpret_cast<const unsigned char*>("abcd"), 4);
    // Appending its own bytes forces a reallocation while they are copied.
    buffer.Append(buffer.Data(), buffer.Size());
    ASSERT_EQ(buffer.Size(), 8);
    EXPECT_EQ(std::memcmp(buffer.Data(), "abcdabcd", 8), 0);
    buffer.Assign(buffer.Data() + 2, 4);
    EXPECT_EQ(std::memcmp(buffer.Data(), "cdab", 4), 0);
    buffer = buffer;
    EXPECT_EQ(buffer.Size(), 4);
}

TEST(ZuBuffer, ManageSwapDeallocateUnlink)
{
    unsigned char* block = static_cast<unsigned char*>(std::malloc(6));
    std::memcpy(block, "xyzxyz", 6);
    CZuBuffer buffer(reinterpret_cast<const unsigned char*>("old"), 3);
    buffer.Manage(block, 6);
    EXPECT_EQ(buffer.Data(), block);
    EXPECT_EQ(buffer.Capacity(), 6);
    EXPECT_EQ(buffer.Size(), 6);

    CZuBuffer other;
    other.Swap(buffer);
    EXPECT_EQ(other.Data(), block);
    EXPECT_EQ(buffer.Data(), nullptr);
    EXPECT_EQ(buffer.Capacity(), 0);

    // Unlink gives the block up without freeing it: the caller now owns it.
    other.Unlink();
    EXPECT_EQ(other.Data(), nullptr);
    EXPECT_EQ(other.Capacity(), 0);
    std::free(block);

    CZuBuffer owned(reinterpret_cast<const unsigned char*>("abc"), 3);
    owned.Deallocate();
    EXPECT_EQ(owned.Data(), nullptr);
    EXPECT_EQ(owned.Size(), 0);

    // Linking an owning buffer frees its block rather than losing it.
    CZuBuffer relinked(reinterpret_cast<const unsigned char*>("abc"), 3);
    const unsigned char view[] = {9};
    relinked.Link(view, 1);
    EXPECT_TRUE(relinked.IsLinked());
}

TEST(ZuOutStream, BigEndianEncodings)
{
    CZuOutStream out;
    out.WriteInteger(258);
    EXPECT_EQ(BytesOf(out), (TBytes{0, 0, 1, 2}));
    out.Reset();
    out.WriteWord(513);
    EXPECT_EQ(BytesOf(out), (TBytes{2, 1}));
    out.Reset();
    out.WriteString(CZuString("ab"));
    EXPECT_EQ(BytesOf(out), (TBytes{0, 0, 0, 2, 'a', 'b'}));
    out.Reset();
    out.WriteString(CZuString());
    out.WriteString(CZuString(""));
    EXPECT_EQ(BytesOf(out), (TBytes(8, 0)));
    out.Reset();
    out.WriteInteger(static_cast<unsigned int>(-15));
    out.WriteByte(0xAB);
    out.WriteBuffer("xy", 2);
    EXPECT_EQ(BytesOf(out), (TBytes{0xFF, 0xFF, 0xFF, 0xF1, 0xAB, 'x', 'y'}));
}

TEST(ZuOutStream, TextForms)
{
    CZuOutStream out;
    out << -15 << 'x' << CZuString("yz") << CZuString();
    EXPECT_EQ(BytesOf(out), (TBytes{'-', '1', '5', 'x', 'y', 'z'}));
    out.Erase(0, 3);
    EXPECT_EQ(BytesOf(out), (TBytes{'x', 'y', 'z'}));
    EXPECT_STREQ(std::string(static_cast<char*>(out), out.Size()).c_str(), "xyz");
}

TEST(ZuOutStream, CheckAndLines)
{
    CZuOutStream out;
    EXPECT_TRUE(out.Check());
    out << CZuString("200");
    EXPECT_TRUE(out.Check());
    out << CZuString(" OK");
    EXPECT_TRUE(out.Check());
    out.Reset();
    out << CZuString("200-OK");
    EXPECT_FALSE(out.Check());
    out.Reset();
    out.WriteBuffer(std::string(2048, ' ').data(), 2048);
    EXPECT_FALSE(out.Check());

    out.Reset();
    CZuString line("stale");
    out << CZuString("ab\r\nc");
    EXPECT_TRUE(out.TestLine());
    out.ReadLine(line);
    EXPECT_STREQ(line.PtrZ(), "ab");
    EXPECT_EQ(BytesOf(out), (TBytes{'c'}));
    EXPECT_FALSE(out.TestLine());
    out.ReadLine(line);
    EXPECT_EQ(line.PtrZ(), nullptr);
    EXPECT_EQ(out.Size(), 1);
    out << CZuString("\n\n");
    out.ReadLine(line);
    EXPECT_STREQ(line.PtrZ(), "c");
    out.ReadLine(line);
    EXPECT_STREQ(line.PtrZ(), "");
    EXPECT_EQ(out.Size(), 0);
}

TEST(ZuInStream, ReadsItemsBack)
{
    CZuOutStream out;
    out.WriteByte(9);
    out.WriteWord(0xBEEF);
    out.WriteInteger(0xDEADBEEF);
    out.WriteString(CZuString("text"));
    out.WriteString(CZuString(""));
    out.WriteBuffer("raw", 3);
    CZuInStream in(out.Data(), out.Size(), false);
    EXPECT_EQ(in.ReadByte(), 9);
    unsigned short word = 0;
    in >> word;
    EXPECT_EQ(word, 0xBEEF);
    unsigned int integer = 0;
    in >> integer;
    EXPECT_EQ(integer, 0xDEADBEEFu);
    CZuString text;
    in >> text;
    EXPECT_STREQ(text.PtrZ(), "text");
    CZuString empty("x");
    in.ReadString(empty);
    EXPECT_EQ(empty.PtrZ(), nullptr);
    char raw[8] = {};
    EXPECT_EQ(in.ReadBuffer(raw, 8), 3);
    EXPECT_STREQ(raw, "raw");
    EXPECT_TRUE(in.IsEnd());
    EXPECT_EQ(in.ReadByte(), 0);
    EXPECT_EQ(in.ReadWord(), 0);
    EXPECT_EQ(in.ReadInteger(), 0u);
    EXPECT_EQ(in.ReadBuffer(raw, 8), 0);
}

TEST(ZuInStream, ShortIntegerLeavesCursor)
{
    const unsigned char bytes[] = {1, 2, 3};
    CZuInStream in(bytes, 3, false);
    EXPECT_EQ(in.ReadInteger(), 0u);
    EXPECT_EQ(in.Cursor(), 0);
    CZuString s("keep");
    in.ReadString(s);
    EXPECT_EQ(s.PtrZ(), nullptr);
    EXPECT_EQ(in.Cursor(), 0);
    EXPECT_EQ(in.ReadByte(), 1);
    EXPECT_EQ(in.Available(), 2);
    EXPECT_EQ(*in.Current(), 2);
}

TEST(ZuInStream, StringLongerThanDataIsNotRead)
{
    const unsigned char bytes[] = {0, 0, 0, 9, 'a', 'b', 'c'};
    CZuInStream in(bytes, 7, false);
    CZuString s("keep");
    in.ReadString(s);
    EXPECT_EQ(s.PtrZ(), nullptr);
    EXPECT_TRUE(in.IsEnd());
    const unsigned char huge[] = {0xFF, 0xFF, 0xFF, 0xFF, 'a'};
    in.Set(huge, 5, false);
    in.ReadString(s);
    EXPECT_EQ(s.PtrZ(), nullptr);
    EXPECT_TRUE(in.IsEnd());
}

TEST(ZuInStream, CursorStaysInsideData)
{
    const unsigned char bytes[] = {1, 2, 3, 4};
    CZuInStream in(bytes, 4, false);
    in.Skip(2);
    EXPECT_EQ(in.Cursor(), 2);
    in.Skip(100);
    EXPECT_EQ(in.Cursor(), 4);
    in.SetCursor(-5);
    EXPECT_EQ(in.Cursor(), 0);
    in.SetCursor(1);
    EXPECT_EQ(in.ReadByte(), 2);
    EXPECT_EQ(static_cast<const unsigned char*>(in), bytes);
}

TEST(ZuInStream, OwnsDataWhenTold)
{
    CZuInStream in;
    in.Set(3);
    std::memcpy(in.Data(), "xyz", 3);
    EXPECT_EQ(in.Size(), 3);
    EXPECT_EQ(in.ReadByte(), 'x');
    unsigned char* owned = new unsigned char[2]{5, 6};
    in.Set(owned, 2, true);
    EXPECT_EQ(in.ReadWord(), 0x0506);
    // The sanitizer reports a leak or a double free if ownership is mishandled.
}

TEST_F(ZuFileTest, BlockOfOneInteger)
{
    CZuString path = PathOf("one.bin");
    CZuWriteFileStream out;
    ASSERT_TRUE(out.Create(path));
    out << 7;
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(ReadWhole(path), (TBytes{0, 0, 0, 4, 0, 0, 0, 7}));

    CZuString none = PathOf("none.bin");
    ASSERT_TRUE(out.Create(none));
    EXPECT_TRUE(out.Close());
    EXPECT_TRUE(ReadWhole(none).empty());
    EXPECT_TRUE(CZuFile::FileExist(none));
}

TEST_F(ZuFileTest, BinaryOperatorsOfWriteStream)
{
    CZuString path = PathOf("ops.bin");
    CZuWriteFileStream out;
    ASSERT_TRUE(out.Create(path));
    out << -15 << static_cast<short>(513) << 'z' << CZuString("ab");
    out.Close();
    EXPECT_EQ(ReadWhole(path),
              (TBytes{0, 0, 0, 13, 0xFF, 0xFF, 0xFF, 0xF1, 2, 1, 'z', 0, 0, 0, 2, 'a', 'b'}));
}

TEST_F(ZuFileTest, BlocksAreCutAfterWholeItems)
{
    CZuString path = PathOf("bytes.bin");
    CZuWriteFileStream out;
    ASSERT_TRUE(out.Create(path));
    for (int i = 0; i < 40000; ++i)
        out.WriteByte(static_cast<unsigned char>(i));
    out.Close();
    TBytes file = ReadWhole(path);
    EXPECT_EQ(BlockSizes(file), (std::vector<unsigned int>{32768, 7232}));

    CZuReadFileStream in;
    ASSERT_TRUE(in.Open(path));
    for (int i = 0; i < 40000; ++i)
        ASSERT_EQ(in.ReadByte(), static_cast<unsigned char>(i)) << i;
    EXPECT_EQ(in.ReadByte(), 0);
    in.Close();

    CZuString strings = PathOf("strings.bin");
    ASSERT_TRUE(out.Create(strings));
    std::vector<unsigned char> filler(32700, 1);
    out.WriteBuffer(filler.data(), 32700);
    out.WriteString(CZuString(std::string(100, 'q').c_str()));
    out.WriteInteger(5);
    out.Close();
    EXPECT_EQ(BlockSizes(ReadWhole(strings)), (std::vector<unsigned int>{32804, 4}));
}

TEST_F(ZuFileTest, MixedItemsReadBackItemByItem)
{
    CZuString path = PathOf("mixed.bin");
    CZuWriteFileStream out;
    ASSERT_TRUE(out.Replace(path));
    for (int i = 0; i < 20000; ++i)
    {
        out.WriteInteger(static_cast<unsigned int>(i * 31));
        out.WriteString(CZuString(i));
        out.WriteWord(static_cast<unsigned short>(i));
        out.WriteByte(static_cast<unsigned char>(i & 0x7F));
        out.WriteString(CZuString());
    }
    ASSERT_TRUE(out.Close());
    std::vector<unsigned int> sizes = BlockSizes(ReadWhole(path));
    ASSERT_GT(sizes.size(), 2u);
    for (size_t i = 0; i + 1 < sizes.size(); ++i)
    {
        EXPECT_GE(sizes[i], 32768u);
        EXPECT_LT(sizes[i], 32768u + 4 + 5);
    }

    CZuReadFileStream in;
    ASSERT_TRUE(in.Open(path));
    for (int i = 0; i < 20000; ++i)
    {
        unsigned int integer;
        unsigned short word;
        unsigned char byte;
        CZuString text, empty("x");
        in >> integer >> text >> word >> byte >> empty;
        ASSERT_EQ(integer, static_cast<unsigned int>(i * 31));
        ASSERT_EQ(text.ToInteger(), i);
        ASSERT_EQ(word, static_cast<unsigned short>(i));
        ASSERT_EQ(byte, i & 0x7F);
        ASSERT_EQ(empty.PtrZ(), nullptr);
    }
    CZuString end("x");
    in.ReadString(end);
    EXPECT_EQ(end.PtrZ(), nullptr);
    EXPECT_EQ(in.ReadInteger(), 0u);
    in.Close();
}

TEST_F(ZuFileTest, HandWrittenBlockFileIsReadAsSpecified)
{
    CZuString path = PathOf("hand.bin");
    // Two Blocks: an Integer and a String, then a Word and a Byte; an empty Block between them.
    WriteWhole(path, TBytes{0,   0, 0, 10, 0, 0, 1, 0, 0, 0,    0,    2,   'h',
                            'i', 0, 0, 0,  0, 0, 0, 0, 3, 0x12, 0x34, 0x56});
    CZuReadFileStream in;
    ASSERT_TRUE(in.Open(path));
    EXPECT_EQ(in.ReadInteger(), 256u);
    CZuString s;
    in.ReadString(s);
    EXPECT_STREQ(s.PtrZ(), "hi");
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(in.ReadByte(), 0x56);
    EXPECT_EQ(in.ReadByte(), 0);
}

TEST_F(ZuFileTest, DamagedBlockLengthIsNotTrusted)
{
    CZuString path = PathOf("damaged.bin");
    // A good Block, then one that claims four gigabytes.
    WriteWhole(path, TBytes{0, 0, 0, 4, 0, 0, 0, 42, 0xFF, 0xFF, 0xFF, 0xF0, 1, 2, 3});
    CZuReadFileStream in;
    ASSERT_TRUE(in.Open(path));
    EXPECT_EQ(in.ReadInteger(), 42u);
    EXPECT_EQ(in.ReadInteger(), 0u);
    EXPECT_EQ(in.ReadByte(), 0);
    CZuString s("x");
    in.ReadString(s);
    EXPECT_EQ(s.PtrZ(), nullptr);

    CZuFile file;
    ASSERT_TRUE(file.Open(path));
    CZuInStream block;
    EXPECT_EQ(file.Read(block), 4);
    EXPECT_EQ(block.ReadInteger(), 42u);
    EXPECT_EQ(file.Read(block), 0);
    EXPECT_EQ(block.Size(), 0);
    EXPECT_EQ(file.Position(), file.Length());
    file.Close();

    // A length that is cut short itself.
    WriteWhole(path, TBytes{0, 0});
    ASSERT_TRUE(in.Open(path));
    EXPECT_EQ(in.ReadWord(), 0);
    // A Block one byte shorter than it claims.
    WriteWhole(path, TBytes{0, 0, 0, 4, 0, 0, 0});
    ASSERT_TRUE(in.Open(path));
    EXPECT_EQ(in.ReadByte(), 0);
}

TEST_F(ZuFileTest, ReplaceKeepsOldFileUntilClose)
{
    CZuString path = PathOf("Word.cfg");
    WriteWhole(path, TBytes{0, 0, 0, 4, 0, 0, 0, 1});
    {
        CZuWriteFileStream out;
        ASSERT_TRUE(out.Replace(path));
        out.WriteInteger(2);
        out.Flush();
        // Not closed: the old file stays whole and the scratch file goes away.
    }
    EXPECT_EQ(ReadWhole(path), (TBytes{0, 0, 0, 4, 0, 0, 0, 1}));
    EXPECT_FALSE(CZuFile::FileExist(PathOf("Word.cfg.tmp")));

    CZuWriteFileStream out;
    ASSERT_TRUE(out.Replace(path));
    out.WriteInteger(3);
    EXPECT_EQ(ReadWhole(path), (TBytes{0, 0, 0, 4, 0, 0, 0, 1}));
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(ReadWhole(path), (TBytes{0, 0, 0, 4, 0, 0, 0, 3}));
    EXPECT_FALSE(CZuFile::FileExist(PathOf("Word.cfg.tmp")));

    EXPECT_FALSE(out.Replace(PathOf("missing-folder/Word.cfg")));
    EXPECT_FALSE(out.Create(PathOf("missing-folder/Word.cfg")));
}

TEST_F(ZuFileTest, FileOperations)
{
    CZuString path = PathOf("plain.bin");
    EXPECT_FALSE(CZuFile::FileExist(path));
    CZuFile file;
    EXPECT_FALSE(file.Open(path, 0));
    EXPECT_FALSE(file.IsOpen());
    ASSERT_TRUE(file.Create(path, 512));
    EXPECT_EQ(file.Write("hello world", 11), 11);
    EXPECT_EQ(file.Length(), 11);
    EXPECT_EQ(file.Position(), 11);
    EXPECT_TRUE(file.Seek(EZuSeekBegin, 6));
    char word[6] = {};
    EXPECT_EQ(file.Read(word, 5), 5);
    EXPECT_STREQ(word, "world");
    EXPECT_TRUE(file.Seek(EZuSeekCurrent, -5));
    EXPECT_EQ(file.Position(), 6);
    EXPECT_TRUE(file.Seek(EZuSeekEnd, 0));
    EXPECT_EQ(file.Position(), file.Length());
    EXPECT_TRUE(file.Seek(static_cast<TZuSeek>(7), 2));
    EXPECT_EQ(file.Position(), 2);
    char rest[100];
    EXPECT_EQ(file.Read(rest, 100), 9);
    EXPECT_TRUE(file.SetLength(5));
    EXPECT_EQ(file.Length(), 5);

    CZuOutStream block;
    block.WriteInteger(99);
    EXPECT_TRUE(file.Seek(EZuSeekEnd, 0));
    EXPECT_EQ(file.Write(block), 4);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Write(block), -1);
    EXPECT_EQ(ReadWhole(path), (TBytes{'h', 'e', 'l', 'l', 'o', 0, 0, 0, 4, 0, 0, 0, 99}));

    EXPECT_TRUE(CZuFile::FileExist(path));
    CZuFile::FileDelete(path);
    EXPECT_FALSE(CZuFile::FileExist(path));
    EXPECT_TRUE(CZuFile::FileCreate(path));
    EXPECT_TRUE(ReadWhole(path).empty());
    EXPECT_FALSE(CZuFile::FileCreate(PathOf("no/such/dir")));
}

TEST_F(ZuFileTest, ReadOnlyFileDoesNotCountAsExisting)
{
    CZuString path = PathOf("readonly.bin");
    WriteWhole(path, TBytes{1});
    ASSERT_EQ(chmod(path.PtrZ(), 0444), 0);
    // Beside it a file every user may write, which does count: only the mode makes the difference.
    CZuString writable = PathOf("writable.bin");
    WriteWhole(writable, TBytes{1});
    ASSERT_EQ(chmod(writable.PtrZ(), 0666), 0);
    ASSERT_EQ(chmod(iFolder.c_str(), 0755), 0);
    ExpectHoldsUnprivileged([&] { return CZuFile::FileExist(writable) && !CZuFile::FileExist(path); });
}

TEST_F(ZuFileTest, ReadWholeTakesEveryByte)
{
    // Larger than one chunk of the reader, and with every byte value.
    TBytes bytes(200000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 256);
    CZuString path = PathOf("whole.bin");
    WriteWhole(path, bytes);
    CZuBuffer read;
    ASSERT_TRUE(CZuFile::ReadWhole(path, read, 200000));
    EXPECT_EQ(TBytes(read.Data(), read.Data() + read.Size()), bytes);

    CZuString empty = PathOf("empty.bin");
    WriteWhole(empty, TBytes());
    ASSERT_TRUE(CZuFile::ReadWhole(empty, read, 10));
    EXPECT_EQ(read.Size(), 0);
}

TEST_F(ZuFileTest, ReadWholeRefusesWhatItCannotOrMustNotRead)
{
    CZuString path = PathOf("five.bin");
    WriteWhole(path, TBytes{1, 2, 3, 4, 5});
    CZuBuffer read(3);
    // One byte more than allowed: nothing, not the first bytes.
    EXPECT_FALSE(CZuFile::ReadWhole(path, read, 4));
    EXPECT_EQ(read.Size(), 0);
    EXPECT_TRUE(CZuFile::ReadWhole(path, read, 5));
    EXPECT_EQ(read.Size(), 5);
    EXPECT_FALSE(CZuFile::ReadWhole(PathOf("missing.bin"), read, 100));
    EXPECT_EQ(read.Size(), 0);
    // A folder opens but cannot be read.
    EXPECT_FALSE(CZuFile::ReadWhole(PathOf(""), read, 100));
    EXPECT_FALSE(CZuFile::ReadWhole(CZuString(), read, 100));
}

TEST_F(ZuFileTest, ReadWholeDoesNotTrustTheSizeAFileClaims)
{
    // The system's own files claim a size of 0 and still hold bytes.
    struct stat info;
    ASSERT_EQ(stat("/proc/self/status", &info), 0);
    ASSERT_EQ(info.st_size, 0);
    CZuBuffer read;
    ASSERT_TRUE(CZuFile::ReadWhole(CZuString("/proc/self/status"), read, 1 << 20));
    ASSERT_GT(read.Size(), 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(read.Data()), 5), "Name:");
}

TEST_F(ZuFileTest, MakeFoldersForCreatesWhatIsMissing)
{
    CZuString file = PathOf("a/b/c/file.txt");
    ASSERT_TRUE(CZuFile::MakeFoldersFor(file));
    struct stat info;
    ASSERT_EQ(stat(PathOf("a/b/c").PtrZ(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    // The part after the last '/' is not made.
    EXPECT_NE(stat(file.PtrZ(), &info), 0);
    // Everything there already; a folder named with its '/'.
    EXPECT_TRUE(CZuFile::MakeFoldersFor(file));
    EXPECT_TRUE(CZuFile::MakeFoldersFor(PathOf("a/d/")));
    ASSERT_EQ(stat(PathOf("a/d").PtrZ(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    // No '/' at all: nothing to make.
    EXPECT_TRUE(CZuFile::MakeFoldersFor(CZuString("plain-name")));
    EXPECT_TRUE(CZuFile::MakeFoldersFor(CZuString()));
}

TEST_F(ZuFileTest, MakeFoldersForFailsWhereAFileIsInTheWay)
{
    WriteWhole(PathOf("taken"), TBytes{1});
    EXPECT_FALSE(CZuFile::MakeFoldersFor(PathOf("taken/")));
    EXPECT_FALSE(CZuFile::MakeFoldersFor(PathOf("taken/inner/file")));
}

TEST(ZuReadFileStream, UnopenedStreamReadsNothing)
{
    CZuReadFileStream in;
    EXPECT_FALSE(in.Open(CZuString("/nonexistent/zu/file")));
    EXPECT_EQ(in.ReadInteger(), 0u);
    CZuString s("x");
    in >> s;
    EXPECT_EQ(s.PtrZ(), nullptr);
    char buffer[4];
    EXPECT_EQ(in.ReadBuffer(buffer, 4), 0);
}
