// zulex-mfp: packs files into a resource package, lists a package and unpacks one.
//
//   zulex-mfp pack PACKAGE [-C DIR] PATH...   PATHs (files, or folders taken whole) relative to DIR
//   zulex-mfp list PACKAGE
//   zulex-mfp extract PACKAGE OUTDIR
//
// Each file becomes one entry: its folder is the PATH's folder relative to DIR with a trailing '/'
// (empty at the top), its name the file name. Readers look names up lower-cased, so two files whose names
// differ only in case cannot share a folder. The package written: leading value 1 (the format version
// of this tool; readers keep it but do not check it), the entry count, the directory (per entry: name,
// an empty second text, folder, each as a 4-byte length and the bytes, then data size and data offset),
// then the data of every entry in directory order. All integers are 4 bytes little-endian.
#include "AppendBytes.h"
#include "MfpFile.h"
#include "WholeFile.h"
#include "ZuMfpExtract.h"
#include "ZuString.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <iostream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{

const char KUsage[] =
    "usage: zulex-mfp pack PACKAGE [-C DIR] PATH...   pack files and folders (relative to DIR, default .)\n"
    "       zulex-mfp list PACKAGE                      list the entries: size, offset, folder/name\n"
    "       zulex-mfp extract PACKAGE OUTDIR            write every entry below OUTDIR\n";

const unsigned int KFormatVersion = 1;

struct TEntry
{
    std::string iFolder;
    std::string iName;
    std::string iData;
};

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string Lower(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

std::string Join(const std::string& a, const std::string& b)
{
    if (a.empty() || a == ".")
        return b;
    return a.back() == '/' ? a + b : a + "/" + b;
}

// Adds relative (a file, or a folder taken whole in name order) below base.
bool Collect(const std::string& base, const std::string& relative, std::vector<TEntry>& entries)
{
    std::string path = Join(base, relative);
    if (IsDirectory(path))
    {
        DIR* dir = opendir(path.c_str());
        if (dir == nullptr)
        {
            std::cerr << "zulex-mfp: cannot read the folder " << path << "\n";
            return false;
        }
        std::vector<std::string> names;
        while (dirent* item = readdir(dir))
        {
            std::string name = item->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
        {
            if (!Collect(base, Join(relative, name), entries))
                return false;
        }
        return true;
    }
    if (!IsRegularFile(path))
    {
        std::cerr << "zulex-mfp: not a file or folder: " << path << "\n";
        return false;
    }
    TEntry entry;
    size_t slash = relative.rfind('/');
    entry.iFolder = slash == std::string::npos ? "" : relative.substr(0, slash + 1);
    entry.iName = slash == std::string::npos ? relative : relative.substr(slash + 1);
    if (!ReadFileWhole(path, entry.iData))
    {
        std::cerr << "zulex-mfp: cannot read " << path << "\n";
        return false;
    }
    entries.push_back(entry);
    return true;
}

void PutText(std::string& out, const std::string& text)
{
    AppendLittleEndian32(out, static_cast<unsigned int>(text.size()));
    out += text;
}

// The whole package, or false when it would not fit the format's 32-bit offsets.
bool BuildPackage(const std::vector<TEntry>& entries, std::string& package)
{
    long long directorySize = 0;
    for (const TEntry& entry : entries)
        directorySize += 4 + entry.iName.size() + 4 + 4 + entry.iFolder.size() + 4 + 4;
    long long offset = 8 + directorySize;
    package.clear();
    AppendLittleEndian32(package, KFormatVersion);
    AppendLittleEndian32(package, static_cast<unsigned int>(entries.size()));
    for (const TEntry& entry : entries)
    {
        if (offset + static_cast<long long>(entry.iData.size()) > INT_MAX)
            return false;
        PutText(package, entry.iName);
        PutText(package, "");
        PutText(package, entry.iFolder);
        AppendLittleEndian32(package, static_cast<unsigned int>(entry.iData.size()));
        AppendLittleEndian32(package, static_cast<unsigned int>(offset));
        offset += static_cast<long long>(entry.iData.size());
    }
    for (const TEntry& entry : entries)
        package += entry.iData;
    return true;
}

int Pack(const std::string& packagePath, const std::string& base, const std::vector<std::string>& paths)
{
    std::vector<TEntry> entries;
    for (std::string path : paths)
    {
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        const char* problem = CZuMfpExtract::CheckEntryPath(CZuString(), CZuString(path.c_str()));
        if (problem != nullptr)
        {
            std::cerr << "zulex-mfp: " << path << ": " << problem << "; give paths inside " << base << "\n";
            return 1;
        }
        if (!Collect(base, path, entries))
            return 1;
    }
    std::set<std::string> seen;
    for (const TEntry& entry : entries)
    {
        if (!seen.insert(Lower(entry.iFolder + entry.iName)).second)
        {
            std::cerr << "zulex-mfp: " << entry.iFolder << entry.iName
                      << ": another entry has the same name (names are looked up lower-cased)\n";
            return 1;
        }
    }
    std::string package;
    if (!BuildPackage(entries, package))
    {
        std::cerr << "zulex-mfp: the files are too large for one package (2 GiB at most)\n";
        return 1;
    }
    if (!WriteFileWhole(packagePath, package))
    {
        std::cerr << "zulex-mfp: cannot write " << packagePath << "\n";
        return 1;
    }
    return 0;
}

int List(const std::string& packagePath)
{
    CZuMfpExtract package;
    if (!package.Open(packagePath.c_str()))
    {
        std::cerr << "zulex-mfp: cannot open " << packagePath << "\n";
        return 1;
    }
    std::cout << "# leading value " << package.GetLeadingValue() << ", " << package.GetFileCount()
              << " entries\n";
    for (int i = 0; i < package.GetFileCount(); ++i)
    {
        const CMfpFile& file = *package.GetFile(i);
        std::cout << file.Size() << "\t" << file.Offset() << "\t" << Str(file.Folder()) << Str(file.Name())
                  << "\n";
    }
    return 0;
}

int Extract(const std::string& packagePath, const std::string& outDir)
{
    CZuMfpExtract package;
    if (!package.Open(packagePath.c_str()))
    {
        std::cerr << "zulex-mfp: cannot open " << packagePath << "\n";
        return 1;
    }
    for (int i = 0; i < package.GetFileCount(); ++i)
    {
        const CMfpFile& file = *package.GetFile(i);
        const char* problem = CZuMfpExtract::CheckEntryPath(file.Folder(), file.Name());
        if (problem != nullptr)
            std::cerr << "zulex-mfp: entry " << i << " (" << Str(file.Folder()) << Str(file.Name())
                      << ") refused: " << problem << "\n";
    }
    if (!package.ExtractMfp(packagePath.c_str(), outDir.c_str()))
    {
        std::cerr << "zulex-mfp: not every entry could be written below " << outDir << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h")
    {
        (args.empty() ? std::cerr : std::cout) << KUsage;
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    if (command == "list" && args.size() == 2)
        return List(args[1]);
    if (command == "extract" && args.size() == 3)
        return Extract(args[1], args[2]);
    if (command == "pack" && args.size() >= 3)
    {
        std::string base = ".";
        std::vector<std::string> paths;
        for (size_t i = 2; i < args.size(); ++i)
        {
            if (args[i] == "-C" && i + 1 < args.size())
                base = args[++i];
            else
                paths.push_back(args[i]);
        }
        if (!paths.empty())
            return Pack(args[1], base, paths);
    }
    std::cerr << KUsage;
    return 2;
}
