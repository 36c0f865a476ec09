#ifndef ESPEAKPHONEMES_H
#define ESPEAKPHONEMES_H

#include <string>

// Turns a transcription in the British IPA of the word books into espeak-ng's phoneme mnemonics for
// English, so that a word is spoken as its book writes it: "/ˈkləʊz/" becomes "k|l|'oU|z", which
// espeak-ng reads between [[ and ]]. The reverse of CPhoneticStyle, up to espeak-ng's own rendering.
//
// Understood: the vowels iː i ɪ e æ ɑː ɒ ɔː ʊ uː u ʌ ɜː ə, the diphthongs eɪ aɪ ɔɪ aʊ əʊ ɪə eə ʊə (and the
// American oʊ), aɪə and aʊə, the consonants p b t d k g f v θ ð s z ʃ ʒ h m n ŋ l r w j tʃ dʒ (ɡ and ɹ are
// taken as g and r), the stress marks ˈ and ˌ at the start of a syllable, spaces between the words of a
// phrase and "." between syllables. The whole may stand between slashes or square brackets; sounds in
// parentheses are optional and left out. An l or n with no vowel of its own (the l of "/ˈeɪbl/", the n of
// "/ˈækʃn/") is spoken as a syllable.
class CEspeakPhonemes
{
public:
    // The mnemonics for ipa in phonemes, each phoneme followed by | so that neighbours are never read as
    // one, words separated by spaces. False when ipa holds a symbol not understood (in unknown, one
    // character) or no sound at all (unknown empty); phonemes is then empty.
    static bool FromIpa(const std::string& ipa, std::string& phonemes, std::string& unknown);
};

#endif // ESPEAKPHONEMES_H
