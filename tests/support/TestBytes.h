#ifndef TESTBYTES_H
#define TESTBYTES_H

// Integers appended to the bytes of a file a test makes, little-endian as course files, pictures and sounds
// store them.
#include <vector>

void AppendLittleEndian16(std::vector<unsigned char>& bytes, unsigned value);
void AppendLittleEndian32(std::vector<unsigned char>& bytes, unsigned value);

#endif // TESTBYTES_H
