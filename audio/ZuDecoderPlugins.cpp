#include "ZuDecoderPlugins.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

const char* const CZuDecoderPlugins::KNamePrefix = "zu-decoder-";
const char* const CZuDecoderPlugins::KNameSuffix = ".so";

namespace
{

struct TRegistry
{
    std::mutex iLock;
    std::string iFolder;
    bool iFolderSet = false;
    bool iSearched = false;
    std::vector<const TZuDecoder*> iDecoders;
};

TRegistry& Registry()
{
    // Never destroyed: engine threads of static players may still decode while the program ends.
    static TRegistry* registry = new TRegistry;
    return *registry;
}

std::string ProgramFolder()
{
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "./";
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    if (slash == nullptr)
        return "./";
    slash[1] = '\0';
    return path;
}

std::string FolderOf(const TRegistry& registry)
{
    return registry.iFolderSet ? registry.iFolder : ProgramFolder() + "plugins/";
}

std::vector<std::string> PluginFiles(const std::string& folder)
{
    std::vector<std::string> files;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return files;
    while (dirent* entry = readdir(dir))
    {
        std::string name = entry->d_name;
        struct stat status;
        if (!CZuDecoderPlugins::IsPluginName(name) || stat((folder + name).c_str(), &status) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        files.push_back(name);
    }
    closedir(dir);
    // The same order on every run, whatever order the folder lists them in.
    std::sort(files.begin(), files.end());
    return files;
}

const TZuDecoder* LoadPlugin(const std::string& path)
{
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return nullptr;
    void* entry = dlsym(library, ZU_DECODER_ENTRY_POINT);
    const TZuDecoder* decoder = nullptr;
    if (entry != nullptr)
        decoder = reinterpret_cast<TZuGetDecoderFunction>(entry)();
    if (!CZuDecoderPlugins::IsUsable(decoder))
    {
        dlclose(library);
        return nullptr;
    }
    // Kept loaded for the program's life: decoders may be in use on engine threads at any time.
    return decoder;
}

void Search(TRegistry& registry)
{
    if (registry.iSearched)
        return;
    registry.iSearched = true;
    registry.iDecoders.clear();
    std::string folder = FolderOf(registry);
    for (const std::string& file : PluginFiles(folder))
    {
        if (const TZuDecoder* decoder = LoadPlugin(folder + file))
            registry.iDecoders.push_back(decoder);
    }
}

} // namespace

void CZuDecoderPlugins::SetFolder(const std::string& folder)
{
    TRegistry& registry = Registry();
    std::lock_guard<std::mutex> hold(registry.iLock);
    registry.iFolder = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    registry.iFolderSet = !folder.empty();
    registry.iSearched = false;
}

std::string CZuDecoderPlugins::Folder()
{
    TRegistry& registry = Registry();
    std::lock_guard<std::mutex> hold(registry.iLock);
    return FolderOf(registry);
}

int CZuDecoderPlugins::Count()
{
    TRegistry& registry = Registry();
    std::lock_guard<std::mutex> hold(registry.iLock);
    Search(registry);
    return static_cast<int>(registry.iDecoders.size());
}

const TZuDecoder* CZuDecoderPlugins::Get(int index)
{
    TRegistry& registry = Registry();
    std::lock_guard<std::mutex> hold(registry.iLock);
    Search(registry);
    if (index < 0 || index >= static_cast<int>(registry.iDecoders.size()))
        return nullptr;
    return registry.iDecoders[index];
}

bool CZuDecoderPlugins::Searched()
{
    TRegistry& registry = Registry();
    std::lock_guard<std::mutex> hold(registry.iLock);
    return registry.iSearched;
}

const TZuDecoder* CZuDecoderPlugins::ForHead(const unsigned char* head, int size)
{
    const TZuDecoder* best = nullptr;
    int bestScore = 0;
    int count = Count();
    for (int i = 0; i < count; ++i)
    {
        const TZuDecoder* decoder = Get(i);
        int score = decoder->Probe(head, size);
        if (score > bestScore)
        {
            best = decoder;
            bestScore = score;
        }
    }
    return best;
}

bool CZuDecoderPlugins::IsUsable(const TZuDecoder* decoder)
{
    return decoder != nullptr && decoder->iVersion == ZU_DECODER_VERSION &&
           decoder->iType == ZU_DECODER_TYPE_AUDIO && decoder->iName != nullptr &&
           decoder->Probe != nullptr && decoder->Open != nullptr && decoder->Decode != nullptr &&
           decoder->GetTag != nullptr && decoder->Close != nullptr;
}

bool CZuDecoderPlugins::IsPluginName(const std::string& file)
{
    size_t prefix = std::strlen(KNamePrefix);
    size_t suffix = std::strlen(KNameSuffix);
    if (file.size() <= prefix + suffix || file.compare(0, prefix, KNamePrefix) != 0 ||
        file.compare(file.size() - suffix, suffix, KNameSuffix) != 0)
        return false;
    for (size_t i = prefix; i < file.size() - suffix; ++i)
    {
        char ch = file[i];
        bool allowed = (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-' || ch == '_';
        if (!allowed)
            return false;
    }
    return true;
}
