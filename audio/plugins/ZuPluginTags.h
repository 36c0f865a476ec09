#ifndef ZUPLUGINTAGS_H
#define ZUPLUGINTAGS_H

// The tags of the sound a plug-in decodes, in the order they were set, for the GetTag entry point. Each
// plug-in compiles its own copy: a plug-in shares no library with the program.
#include <string>
#include <utility>
#include <vector>

class CZuPluginTags
{
public:
    // A tag read from a file is kept to this many bytes, cut at a whole UTF-8 character.
    static const size_t KMaxValueBytes = 1024;

    void Clear() { iTags.clear(); }
    bool Empty() const { return iTags.empty(); }

    // Empty values are left out: the player shows nothing for them.
    void Set(const char* name, std::string value)
    {
        if (value.size() > KMaxValueBytes)
        {
            size_t end = KMaxValueBytes;
            while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
                --end;
            value.resize(end);
        }
        if (value.empty())
            return;
        iTags.emplace_back(name, std::move(value));
    }

    int Get(int index, const char** name, const char** value) const
    {
        if (index < 0 || static_cast<size_t>(index) >= iTags.size())
            return 0;
        *name = iTags[index].first.c_str();
        *value = iTags[index].second.c_str();
        return 1;
    }

private:
    std::vector<std::pair<std::string, std::string>> iTags;
};

#endif // ZUPLUGINTAGS_H
