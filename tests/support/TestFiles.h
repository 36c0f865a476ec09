#ifndef TESTFILES_H
#define TESTFILES_H

// Files for the tests: a private scratch folder, and whole files as bytes.
#include <string>
#include <vector>

// A fresh folder under /tmp, removed with everything in it when the object goes. When no folder can be
// made the path is empty and nothing is removed.
class CTempFolder
{
public:
    CTempFolder();
    ~CTempFolder();
    // The folder with a trailing "/".
    const std::string& Path() const { return iPath; }
    std::string File(const std::string& name) const { return iPath + name; }

private:
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    std::string iPath;
};

// Every byte of the file; empty when it cannot be read.
std::vector<unsigned char> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
bool FileExists(const std::string& path);
// The names in folder, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder);

#endif // TESTFILES_H
