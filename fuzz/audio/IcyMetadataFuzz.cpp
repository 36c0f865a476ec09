// Random radio answers for the metadata reader: the first two bytes choose the interval, the third how the
// bytes arrive. The sound handed on is checked against a plain count of the layout, and every title must
// be short, clean UTF-8.
#include "ZuIcyReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The sound bytes a body holds: interval bytes, a length byte, that many 16-byte units, and again.
size_t SoundBytes(const uint8_t* body, size_t size, size_t interval)
{
    size_t sound = 0;
    size_t at = 0;
    while (at < size)
    {
        size_t take = std::min(interval, size - at);
        sound += take;
        at += take;
        if (at >= size)
            break;
        at += 1 + body[at] * 16;
    }
    return sound;
}

void RequireShowable(const std::string& text)
{
    Require(text.size() <= CZuIcyReader::KMaxTextBytes);
    for (size_t at = 0; at < text.size();)
    {
        unsigned char lead = static_cast<unsigned char>(text[at]);
        Require(lead >= 0x20 && lead != 0x7F);
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        Require(lead < 0x80 || lead >= 0xC2);
        Require(at + length <= text.size());
        for (size_t i = 1; i < length; ++i)
            Require((static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80);
        at += length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3 || size > (1 << 20))
        return 0;
    int interval = 1 + ((data[0] << 8) | data[1]) % CZuIcyReader::KMaxInterval;
    size_t piece = 1 + data[2];
    const uint8_t* body = data + 3;
    size_t bodySize = size - 3;

    CZuIcyReader reader(interval);
    std::vector<unsigned char> sound;
    std::string title;
    for (size_t at = 0; at < bodySize; at += piece)
    {
        reader.Feed(body + at, std::min(piece, bodySize - at), sound);
        if (reader.TakeTitle(title))
            RequireShowable(title);
    }
    Require(sound.size() == SoundBytes(body, bodySize, static_cast<size_t>(interval)));

    if (CZuIcyReader::ParseStreamTitle(reinterpret_cast<const char*>(body), bodySize, title))
        RequireShowable(title);
    RequireShowable(CZuIcyReader::CleanText(std::string(reinterpret_cast<const char*>(body), bodySize)));
    int parsed = CZuIcyReader::ParseInterval(
        std::string(reinterpret_cast<const char*>(body), std::min<size_t>(bodySize, 12)));
    Require(parsed == -1 || (parsed >= CZuIcyReader::KMinInterval && parsed <= CZuIcyReader::KMaxInterval));
    return 0;
}
