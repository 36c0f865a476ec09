#ifndef APPENDBYTES_H
#define APPENDBYTES_H

// Integers appended to the bytes of a file a tool writes, little-endian as the string tables and the
// resource package store them.
#include <string>

void AppendLittleEndian32(std::string& out, unsigned value);

#endif // APPENDBYTES_H
