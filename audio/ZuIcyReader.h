#ifndef ZUICYREADER_H
#define ZUICYREADER_H

#include <string>
#include <vector>

// Takes apart the body of an internet radio answer sent with "icy-metaint": after every so many bytes of
// sound comes one length byte and that many 16-byte units of metadata text ("StreamTitle='...';").
// The sound goes on to the decoder; the titles are kept for the player.
class CZuIcyReader
{
public:
    enum
    {
        KMinInterval = 1,
        KMaxInterval = 65536,
        // Header values and titles are shown to the user; longer ones are cut.
        KMaxTextBytes = 1024,
    };

    // interval 0: the body is all sound.
    explicit CZuIcyReader(int interval);

    // Appends the sound among bytes to sound; metadata blocks are read on the way, also when split
    // between calls.
    void Feed(const unsigned char* bytes, size_t size, std::vector<unsigned char>& sound);
    // The stream title of the latest metadata block that named one; true only once for each new title.
    bool TakeTitle(std::string& title);

    // The value of an "icy-metaint" header: the interval, or -1 unless it is a plain number in
    // KMinInterval..KMaxInterval.
    static int ParseInterval(const std::string& value);
    // The StreamTitle of one metadata block; false when the block names none.
    static bool ParseStreamTitle(const char* block, size_t size, std::string& title);
    // Text from the network made fit to show: control characters dropped, bytes that are not UTF-8 taken
    // as Latin-1, blanks at the ends trimmed, at most KMaxTextBytes long.
    static std::string CleanText(const std::string& raw);

private:
    void EndBlock();

    int iInterval;
    // Sound bytes until the next length byte.
    int iSoundLeft;
    // Metadata bytes still to come in the block being read; -1 while reading sound.
    int iBlockLeft;
    std::string iBlock;
    std::string iTitle;
    bool iTitleNew;
};

#endif // ZUICYREADER_H
