#ifndef ZUSTREAMSOURCE_H
#define ZUSTREAMSOURCE_H

#include "ZuAudioPlayer.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Names and values the player shows beside the sound: decoder tags, radio headers, stream titles.
typedef std::vector<std::pair<std::string, std::string>> TZuStreamTags;

// Where a stream's encoded bytes come from. Made on the UI thread, then used by the engine's thread only.
class CZuStreamSource
{
public:
    virtual ~CZuStreamSource() {}

    // Makes the source ready to be read (a network source connects). cancelled answers true once the
    // stream should end; a source that waits asks it while waiting. False, with Error() set, when the
    // source cannot be read.
    virtual bool Start(const std::function<bool()>& cancelled);
    // Up to size bytes: the count read, 0 at the end, -1 on failure (Error() says why).
    virtual long Read(void* buffer, long size) = 0;
    // The new position, or -1 when the source cannot seek there.
    virtual long long Seek(long long, int) { return -1; }
    // The length in bytes; -1 when not known.
    virtual long long Length() const { return -1; }
    virtual CZuAudioPlayer::TError Error() const { return CZuAudioPlayer::EReadFailed; }
    // True when the source's own tags changed since the last call; tags is then what they are now.
    virtual bool TakeTags(TZuStreamTags&) { return false; }
};

// A regular file on disk.
class CZuFileSource : public CZuStreamSource
{
public:
    // Null when path names no regular file that can be read.
    static CZuFileSource* Open(const char* path);
    ~CZuFileSource() override;

    long Read(void* buffer, long size) override;
    long long Seek(long long offset, int whence) override;
    long long Length() const override { return iLength; }

private:
    CZuFileSource(std::FILE* file, long long length) : iFile(file), iLength(length) {}
    CZuFileSource(const CZuFileSource&) = delete;
    CZuFileSource& operator=(const CZuFileSource&) = delete;

    std::FILE* iFile;
    long long iLength;
};

// Encoded bytes held in memory (a copy of what the caller handed over).
class CZuMemorySource : public CZuStreamSource
{
public:
    CZuMemorySource(const char* data, int length);

    long Read(void* buffer, long size) override;
    long long Seek(long long offset, int whence) override;
    long long Length() const override { return static_cast<long long>(iBytes.size()); }

private:
    std::vector<unsigned char> iBytes;
    size_t iPosition;
};

#endif // ZUSTREAMSOURCE_H
