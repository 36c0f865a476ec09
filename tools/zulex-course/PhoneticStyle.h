#ifndef PHONETICSTYLE_H
#define PHONETICSTYLE_H

#include <string>

// Turns espeak-ng's IPA for British English into the style of a learner's dictionary, which the word
// books use: plain letters (r, g, e, æ), the long vowels marked, stress marks at the start of the stressed
// syllable rather than before its vowel, and the whole between slashes. "həlˈəʊ" becomes "/həˈləʊ/".
class CPhoneticStyle
{
public:
    static std::string FromEspeak(const std::string& ipa);
};

#endif // PHONETICSTYLE_H
