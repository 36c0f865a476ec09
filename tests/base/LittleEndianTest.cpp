// Little-endian integers, whatever the host's byte order.
#include "ZuLittleEndian.h"

#include <gtest/gtest.h>

TEST(ZuLittleEndian, ReadsTheLowByteFirst)
{
    const unsigned char bytes[] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(CZuLittleEndian::ReadUint16(bytes), 0x5678u);
    EXPECT_EQ(CZuLittleEndian::ReadUint32(bytes), 0x12345678u);
    EXPECT_EQ(CZuLittleEndian::ReadInt16(bytes), 0x5678);
    EXPECT_EQ(CZuLittleEndian::ReadInt32(bytes), 0x12345678);
}

TEST(ZuLittleEndian, HighBitsAreTheSignOnlyForSignedReads)
{
    const unsigned char ones[] = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(CZuLittleEndian::ReadUint16(ones), 0xFFFFu);
    EXPECT_EQ(CZuLittleEndian::ReadUint32(ones), 0xFFFFFFFFu);
    EXPECT_EQ(CZuLittleEndian::ReadInt16(ones), -1);
    EXPECT_EQ(CZuLittleEndian::ReadInt32(ones), -1);
    const unsigned char lowest[] = {0x00, 0x80, 0x00, 0x80};
    EXPECT_EQ(CZuLittleEndian::ReadInt16(lowest), -32768);
    EXPECT_EQ(CZuLittleEndian::ReadInt32(lowest), static_cast<int>(0x80008000u));
    const unsigned char highest[] = {0xFF, 0x7F, 0xFF, 0x7F};
    EXPECT_EQ(CZuLittleEndian::ReadInt16(highest), 32767);
    EXPECT_EQ(CZuLittleEndian::ReadInt32(highest), 0x7FFF7FFF);
}

TEST(ZuLittleEndian, WritesOnlyTheirOwnBytes)
{
    unsigned char bytes[6] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    CZuLittleEndian::WriteInt32(bytes + 1, 0x12345678u);
    EXPECT_EQ(bytes[0], 0xAA);
    EXPECT_EQ(bytes[1], 0x78);
    EXPECT_EQ(bytes[4], 0x12);
    EXPECT_EQ(bytes[5], 0xAA);
    CZuLittleEndian::WriteInt16(bytes + 1, static_cast<unsigned>(-2));
    EXPECT_EQ(CZuLittleEndian::ReadInt16(bytes + 1), -2);
    EXPECT_EQ(bytes[3], 0x34);
    CZuLittleEndian::WriteInt32(bytes, static_cast<unsigned>(-123456));
    EXPECT_EQ(CZuLittleEndian::ReadInt32(bytes), -123456);
}
