// Random transcriptions made into espeak-ng phoneme input: whatever comes in, what goes out stays inside
// the phoneme brackets and is made only of mnemonics, separators and spaces.
#include "EspeakPhonemes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string phonemes;
    std::string unknown;
    bool converted =
        CEspeakPhonemes::FromIpa(std::string(reinterpret_cast<const char*>(data), size), phonemes, unknown);
    if (converted != !phonemes.empty() || (converted && !unknown.empty()) || unknown.size() > 4)
        abort();
    // Each input byte gives at most a phoneme of three characters, a stress mark and a separator.
    if (phonemes.size() > 6 * size)
        abort();
    for (char ch : phonemes)
    {
        if (ch == '[' || ch == ']' || static_cast<unsigned char>(ch) < ' ' ||
            static_cast<unsigned char>(ch) > '~')
            abort();
    }
    return 0;
}
