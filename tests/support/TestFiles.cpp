#include "TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

CTempFolder::CTempFolder()
{
    char pattern[] = "/tmp/zulex-test-XXXXXX";
    if (mkdtemp(pattern) != nullptr)
        iPath = std::string(pattern) + "/";
}

CTempFolder::~CTempFolder()
{
    if (iPath.empty())
        return;
    std::string command = "rm -rf '" + iPath + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", iPath.c_str());
}

std::vector<unsigned char> ReadFileBytes(const std::string& path)
{
    std::vector<unsigned char> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    int ch;
    while ((ch = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<unsigned char>(ch));
    std::fclose(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

bool FileExists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (dirent* entry = readdir(dir))
    {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}
