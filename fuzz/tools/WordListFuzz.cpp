// Random word lists: every accepted line has the fields the builder relies on, within their limits.
#include "WordInfo.h"
#include "WordList.h"
#include "ZuUnicode.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CWordList list;
    list.Parse(std::string(reinterpret_cast<const char*>(data), size));
    for (const TWordLine& line : list.Lines())
    {
        if (line.iWord.empty() || line.iPhoneticNote.empty() || line.iExplanation.empty() || line.iLine < 1 ||
            line.iWord.size() > static_cast<size_t>(CWordInfo::KMaxTextLength) ||
            line.iExplanation.size() > static_cast<size_t>(CWordInfo::KMaxExplanationLength) ||
            !CZuUnicode::IsValidUtf8(line.iWord.data(), static_cast<int>(line.iWord.size())))
            abort();
    }
    for (const TWordListError& error : list.Errors())
    {
        if (error.iLine < 1 || error.iMessage.empty())
            abort();
    }
    return 0;
}
