#include "ZuIcyReader.h"

#include <algorithm>
#include <cstring>

namespace
{

const char KTitleKey[] = "StreamTitle='";

// The length of the UTF-8 character starting at text[at], or 0 when the bytes there are not one.
size_t Utf8Length(const std::string& text, size_t at)
{
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80                   ? 1
                    : lead >= 0xC2 && lead < 0xE0 ? 2
                    : lead >= 0xE0 && lead < 0xF0 ? 3
                    : lead >= 0xF0 && lead < 0xF5 ? 4
                                                  : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
    {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool IsUtf8(const std::string& text)
{
    for (size_t at = 0; at < text.size();)
    {
        size_t length = Utf8Length(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string Latin1ToUtf8(const std::string& text)
{
    std::string converted;
    for (char ch : text)
    {
        unsigned char byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
        {
            converted += ch;
            continue;
        }
        converted += static_cast<char>(0xC0 | (byte >> 6));
        converted += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return converted;
}

// Cuts text to at most limit bytes without splitting a character.
void CutAtCharacter(std::string& text, size_t limit)
{
    if (text.size() <= limit)
        return;
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
}

} // namespace

CZuIcyReader::CZuIcyReader(int interval)
    : iInterval(interval), iSoundLeft(interval), iBlockLeft(-1), iTitleNew(false)
{
}

void CZuIcyReader::Feed(const unsigned char* bytes, size_t size, std::vector<unsigned char>& sound)
{
    if (iInterval <= 0)
    {
        sound.insert(sound.end(), bytes, bytes + size);
        return;
    }
    const unsigned char* end = bytes + size;
    while (bytes < end)
    {
        if (iBlockLeft < 0 && iSoundLeft > 0)
        {
            size_t take = std::min(static_cast<size_t>(iSoundLeft), static_cast<size_t>(end - bytes));
            sound.insert(sound.end(), bytes, bytes + take);
            bytes += take;
            iSoundLeft -= static_cast<int>(take);
            continue;
        }
        if (iBlockLeft < 0)
        {
            iBlockLeft = *bytes++ * 16;
            iBlock.clear();
            if (iBlockLeft == 0)
                EndBlock();
            continue;
        }
        size_t take = std::min(static_cast<size_t>(iBlockLeft), static_cast<size_t>(end - bytes));
        iBlock.append(reinterpret_cast<const char*>(bytes), take);
        bytes += take;
        iBlockLeft -= static_cast<int>(take);
        if (iBlockLeft == 0)
            EndBlock();
    }
}

void CZuIcyReader::EndBlock()
{
    std::string title;
    if (ParseStreamTitle(iBlock.data(), iBlock.size(), title) && title != iTitle)
    {
        iTitle = title;
        iTitleNew = true;
    }
    iBlock.clear();
    iBlockLeft = -1;
    iSoundLeft = iInterval;
}

bool CZuIcyReader::TakeTitle(std::string& title)
{
    if (!iTitleNew)
        return false;
    iTitleNew = false;
    title = iTitle;
    return true;
}

int CZuIcyReader::ParseInterval(const std::string& value)
{
    std::string text = value;
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    // Six digits hold every allowed value; longer numbers are out of range anyway.
    if (text.empty() || text.size() > 6)
        return -1;
    int interval = 0;
    for (char ch : text)
    {
        if (ch < '0' || ch > '9')
            return -1;
        interval = interval * 10 + (ch - '0');
    }
    return interval >= KMinInterval && interval <= KMaxInterval ? interval : -1;
}

bool CZuIcyReader::ParseStreamTitle(const char* block, size_t size, std::string& title)
{
    // Blocks are padded with NULs to a whole unit.
    std::string text(block, strnlen(block, size));
    size_t start = text.find(KTitleKey);
    if (start == std::string::npos)
        return false;
    start += sizeof KTitleKey - 1;
    // Titles may hold apostrophes ("Guns N' Roses"): the value ends at "';", or at the last quote.
    size_t end = text.find("';", start);
    if (end == std::string::npos)
        end = text.rfind('\'');
    if (end == std::string::npos || end < start)
        end = text.size();
    title = CleanText(text.substr(start, end - start));
    return true;
}

std::string CZuIcyReader::CleanText(const std::string& raw)
{
    std::string text;
    for (char ch : raw)
    {
        unsigned char byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte != 0x7F)
            text += ch;
    }
    if (!IsUtf8(text))
        text = Latin1ToUtf8(text);
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    CutAtCharacter(text, KMaxTextBytes);
    return text;
}
