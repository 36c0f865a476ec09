#include "PhoneticStyle.h"

#include "ZuUnicode.h"

#include <set>
#include <vector>

namespace
{

typedef std::vector<std::string> TSymbols;

const char KPrimary[] = "ˈ";
const char KSecondary[] = "ˌ";
const char KLong[] = "ː";

// Splits UTF-8 text into its characters; bytes that are no character stay, each fault a symbol of its own.
TSymbols SplitSymbols(const std::string& text)
{
    TSymbols symbols;
    const int length = static_cast<int>(text.size());
    int at = 0;
    while (at < length)
    {
        int taken = 0;
        CZuUnicode::DecodeUtf8(text.data() + at, length - at, taken);
        symbols.push_back(text.substr(static_cast<size_t>(at), static_cast<size_t>(taken)));
        at += taken;
    }
    return symbols;
}

bool IsStress(const std::string& s)
{
    return s == KPrimary || s == KSecondary;
}

bool IsVowel(const std::string& s)
{
    static const std::set<std::string> vowels = {"i", "ɪ", "e", "æ", "ɑ", "ɒ", "ɔ", "ʊ",  "u",
                                                 "ʌ", "ə", "ɜ", "a", "o", "ɐ", "ɛ", KLong};
    return vowels.count(s) != 0;
}

bool IsConsonant(const std::string& s)
{
    return !IsVowel(s) && !IsStress(s) && s != " ";
}

// Consonant groups that can begin an English syllable.
bool IsOnset(const std::string& cluster)
{
    static const std::set<std::string> clusters = {
        "tʃ", "dʒ", "pl", "bl",  "kl",  "gl",  "fl",  "sl",  "pr",  "br", "tr",  "dr", "kr",
        "gr", "fr", "θr", "ʃr",  "sp",  "st",  "sk",  "sm",  "sn",  "sw", "sl",  "tw", "dw",
        "kw", "gw", "θw", "spl", "spr", "str", "skr", "skw", "stj", "pj", "bj",  "tj", "dj",
        "kj", "gj", "mj", "nj",  "fj",  "vj",  "hj",  "lj",  "sj",  "θj", "skj", "spj"};
    if (clusters.count(cluster) != 0)
        return true;
    TSymbols symbols = SplitSymbols(cluster);
    return symbols.size() == 1 && symbols[0] != "ŋ";
}

std::string At(const TSymbols& symbols, size_t i)
{
    return i < symbols.size() ? symbols[i] : std::string();
}

// espeak-ng's symbols as the dictionaries write them.
TSymbols MapSymbols(const TSymbols& in)
{
    // Ties, syllabic and non-syllabic marks, glottal stops.
    static const std::set<std::string> dropped = {"\u0361", "\u035C", "\u0329", "\u032F", "ʔ", "-"};
    TSymbols kept;
    for (const std::string& s : in)
    {
        if (dropped.count(s) == 0)
            kept.push_back(s);
    }
    TSymbols out;
    for (size_t i = 0; i < kept.size(); ++i)
    {
        const std::string& s = kept[i];
        std::string next = At(kept, i + 1);
        if (s == "ɹ")
            out.push_back("r");
        else if (s == "ɡ")
            out.push_back("g");
        else if (s == "ᵻ")
            out.push_back("ɪ");
        else if (s == "ɾ")
            out.push_back("t");
        else if (s == "ɬ")
            out.push_back("l");
        else if (s == "x")
            out.push_back("k");
        else if (s == "ɚ")
            out.push_back("ə");
        else if (s == "ɝ")
            out.insert(out.end(), {"ɜ", KLong});
        else if (s == "ɐ")
            out.push_back(!out.empty() && IsStress(out.back()) ? "ʌ" : "ə");
        else if ((s == "ɛ" || s == "e") && next == KLong)
        {
            out.insert(out.end(), {"e", "ə"});
            ++i;
        }
        else if (s == "ɛ")
            out.push_back("e");
        else if (s == "a" && next != "ɪ" && next != "ʊ")
            out.push_back("æ");
        else if (s == "o" && next == "ʊ")
            out.push_back("ə");
        else if (s == "i" && next == "ə")
            out.push_back("ɪ");
        else if (s == "ɪ" && (next.empty() || next == " ") && !out.empty() && out.back() != "e" &&
                 out.back() != "a" && out.back() != "ɔ" && out.back() != "ʊ")
            // The weak vowel at the end of a word, as in "happy", is written i.
            out.push_back("i");
        else if ((s == "ɜ" || s == "ɑ") && next != KLong && next != "ɪ" && next != "ʊ")
            out.insert(out.end(), {s, KLong});
        else
            out.push_back(s);
    }
    return out;
}

// Moves every stress mark from before its vowel to before the longest consonant group in front of that
// vowel that can begin a syllable.
TSymbols MoveStressToSyllableStart(const TSymbols& in)
{
    TSymbols out;
    for (const std::string& s : in)
    {
        if (!IsStress(s))
        {
            out.push_back(s);
            continue;
        }
        size_t runStart = out.size();
        while (runStart > 0 && IsConsonant(out[runStart - 1]))
            --runStart;
        size_t onsetStart = out.size();
        for (size_t start = runStart; start < out.size(); ++start)
        {
            std::string cluster;
            for (size_t k = start; k < out.size(); ++k)
                cluster += out[k];
            if (IsOnset(cluster))
            {
                onsetStart = start;
                break;
            }
        }
        out.insert(out.begin() + static_cast<long>(onsetStart), s);
    }
    return out;
}

} // namespace

std::string CPhoneticStyle::FromEspeak(const std::string& ipa)
{
    TSymbols symbols = MoveStressToSyllableStart(MapSymbols(SplitSymbols(ipa)));
    std::string text;
    for (const std::string& s : symbols)
    {
        // One space between words, none at the ends.
        if (s == " " && (text.empty() || text.back() == ' '))
            continue;
        text += s;
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return "/" + text + "/";
}
