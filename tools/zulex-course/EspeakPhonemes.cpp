#include "EspeakPhonemes.h"

#include "ZuUnicode.h"

#include <vector>

namespace
{

enum TSoundKind
{
    EVowel,
    EObstruent,
    ENasal,
    EOther,
    EStress
};

struct TSound
{
    const char* iIpa;
    const char* iMnemonic;
    TSoundKind iKind;
};

// Longer symbols before the shorter ones they begin with: the first match is the longest.
const TSound KSounds[] = {
    {"aɪə", "aI@", EVowel},
    {"aʊə", "aU@", EVowel},
    {"iː", "i:", EVowel},
    {"ɪə", "i@", EVowel},
    {"eɪ", "eI", EVowel},
    {"eə", "e@", EVowel},
    {"aɪ", "aI", EVowel},
    {"aʊ", "aU", EVowel},
    {"ɑː", "A:", EVowel},
    {"ɔː", "O:", EVowel},
    {"ɔɪ", "OI", EVowel},
    // The voice has no ʊə of its own (it says ɔː), so the two vowels one after the other.
    {"ʊə", "U|@", EVowel},
    {"uː", "u:", EVowel},
    {"ɜː", "3:", EVowel},
    {"əʊ", "oU", EVowel},
    {"oʊ", "oU", EVowel},
    {"i", "i", EVowel},
    {"ɪ", "I", EVowel},
    {"e", "E", EVowel},
    {"æ", "a", EVowel},
    {"ɒ", "0", EVowel},
    {"ʊ", "U", EVowel},
    {"u", "u", EVowel},
    {"ʌ", "V", EVowel},
    {"ə", "@", EVowel},
    {"tʃ", "tS", EObstruent},
    {"dʒ", "dZ", EObstruent},
    {"p", "p", EObstruent},
    {"b", "b", EObstruent},
    {"t", "t", EObstruent},
    {"d", "d", EObstruent},
    {"k", "k", EObstruent},
    {"g", "g", EObstruent},
    {"ɡ", "g", EObstruent},
    {"f", "f", EObstruent},
    {"v", "v", EObstruent},
    {"θ", "T", EObstruent},
    {"ð", "D", EObstruent},
    {"s", "s", EObstruent},
    {"z", "z", EObstruent},
    {"ʃ", "S", EObstruent},
    {"ʒ", "Z", EObstruent},
    {"m", "m", ENasal},
    {"n", "n", ENasal},
    {"ŋ", "N", ENasal},
    {"h", "h", EOther},
    {"l", "l", EOther},
    {"r", "r", EOther},
    {"ɹ", "r", EOther},
    {"w", "w", EOther},
    {"j", "j", EOther},
    {"ˈ", "'", EStress},
    {"ˌ", ",", EStress},
};

struct TPhoneme
{
    std::string iMnemonic;
    TSoundKind iKind;
};

typedef std::vector<TPhoneme> TWord;

// The bytes of the character at text[at]; a fault is as long as CZuUnicode makes it.
size_t CharLength(const std::string& text, size_t at)
{
    int taken = 0;
    CZuUnicode::DecodeUtf8(text.data() + at, static_cast<int>(text.size() - at), taken);
    return static_cast<size_t>(taken);
}

const TSound* SoundAt(const std::string& text, size_t at)
{
    for (const TSound& sound : KSounds)
    {
        if (text.compare(at, std::char_traits<char>::length(sound.iIpa), sound.iIpa) == 0)
            return &sound;
    }
    return nullptr;
}

// The transcription without the slashes or brackets around it and without spaces at its ends.
std::string Unwrapped(const std::string& ipa)
{
    size_t first = ipa.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    size_t last = ipa.find_last_not_of(' ');
    std::string inner = ipa.substr(first, last - first + 1);
    if (inner.size() >= 2 &&
        ((inner.front() == '/' && inner.back() == '/') || (inner.front() == '[' && inner.back() == ']')))
        inner = inner.substr(1, inner.size() - 2);
    return inner;
}

// Splits text into words of phonemes; false with the symbol not understood.
bool ReadWords(const std::string& text, std::vector<TWord>& words, std::string& unknown)
{
    words.assign(1, TWord());
    int optional = 0;
    size_t at = 0;
    while (at < text.size())
    {
        char ch = text[at];
        if (ch == '(' || ch == ')')
        {
            optional += ch == '(' ? 1 : -1;
            if (optional < 0)
                break;
            ++at;
            continue;
        }
        if (optional > 0 || ch == '.')
        {
            at += CharLength(text, at);
            continue;
        }
        if (ch == ' ')
        {
            if (!words.back().empty())
                words.push_back(TWord());
            ++at;
            continue;
        }
        const TSound* sound = SoundAt(text, at);
        if (sound == nullptr)
        {
            unknown = text.substr(at, CharLength(text, at));
            return false;
        }
        words.back().push_back({sound->iMnemonic, sound->iKind});
        at += std::char_traits<char>::length(sound->iIpa);
    }
    if (optional != 0)
    {
        unknown = optional > 0 ? "(" : ")";
        return false;
    }
    if (words.back().empty())
        words.pop_back();
    return true;
}

// The kind of the sound before word[at], stress marks passed over.
TSoundKind KindBefore(const TWord& word, size_t at)
{
    while (at > 0 && word[at - 1].iKind == EStress)
        --at;
    return at == 0 ? EOther : word[at - 1].iKind;
}

bool VowelFollows(const TWord& word, size_t at)
{
    ++at;
    while (at < word.size() && word[at].iKind == EStress)
        ++at;
    return at < word.size() && word[at].iKind == EVowel;
}

// An l after a consonant, and then an n after a consonant such as t or ʃ, with no vowel (nor such an l)
// following: they make a syllable of their own, which espeak-ng writes l- and n-. The n of "/ˈtʃænl/"
// and "/ˈnæʃnl/" begins the l's syllable; the n of "/ˈsʌdnli/" is one.
void MarkSyllabic(TWord& word, const char* consonant, bool afterNasal)
{
    for (size_t i = 0; i < word.size(); ++i)
    {
        TSoundKind before = KindBefore(word, i);
        bool afterConsonant = before == EObstruent || (afterNasal && before == ENasal);
        if (word[i].iMnemonic == consonant && afterConsonant && !VowelFollows(word, i))
        {
            word[i].iMnemonic += "-";
            word[i].iKind = EVowel;
        }
    }
}

void MarkSyllabicConsonants(TWord& word)
{
    MarkSyllabic(word, "l", true);
    MarkSyllabic(word, "n", false);
}

// espeak-ng stresses the vowel that follows its stress mark, so the marks written at the start of a
// syllable move on to its vowel.
std::string Spelled(const TWord& word)
{
    std::string spelled;
    std::string stress;
    for (const TPhoneme& phoneme : word)
    {
        if (phoneme.iKind == EStress)
        {
            stress = phoneme.iMnemonic;
            continue;
        }
        if (!spelled.empty())
            spelled += '|';
        if (phoneme.iKind == EVowel)
        {
            spelled += stress;
            stress.clear();
        }
        spelled += phoneme.iMnemonic;
    }
    return spelled;
}

} // namespace

bool CEspeakPhonemes::FromIpa(const std::string& ipa, std::string& phonemes, std::string& unknown)
{
    phonemes.clear();
    unknown.clear();
    std::vector<TWord> words;
    if (!ReadWords(Unwrapped(ipa), words, unknown))
        return false;
    for (TWord& word : words)
    {
        MarkSyllabicConsonants(word);
        std::string spelled = Spelled(word);
        if (spelled.empty())
            continue;
        if (!phonemes.empty())
            phonemes += ' ';
        phonemes += spelled;
    }
    return !phonemes.empty();
}
