#ifndef WHOLEFILE_H
#define WHOLEFILE_H

// Whole files read into memory and written so that a failed write never leaves half a file: what the
// command-line tools share.
#include <string>
#include <vector>

// The file at path into bytes; false when it cannot be opened or a read fails.
bool ReadFileWhole(const std::string& path, std::string& bytes);
bool ReadFileWhole(const std::string& path, std::vector<unsigned char>& bytes);

// Writes beside path (path + ".tmp") and renames the new file into place: on failure the old file, or
// none, stays as it was and nothing is left beside it.
bool WriteFileWhole(const std::string& path, const std::string& bytes);

#endif // WHOLEFILE_H
