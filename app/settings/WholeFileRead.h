#ifndef WHOLEFILEREAD_H
#define WHOLEFILEREAD_H

#include <vector>

class CZuString;

// Reads the whole file at path, opened read-only, into bytes. False (bytes empty) when it cannot be opened
// or read, or holds more than maxBytes.
bool ReadWholeFile(const CZuString& path, int maxBytes, std::vector<char>& bytes);

#endif // WHOLEFILEREAD_H
