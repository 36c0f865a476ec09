// The toolkit's gallery: every control in its main states, each page a few pictures.
//
//   zu_gallery --png DIR [PAGE ...]   writes DIR/<page>-<shot>.png for every page (or the pages named)
//   zu_gallery --list                 names the pages
//
// Nothing needs a display: the pages draw off-screen on a clock they advance themselves.
#include "GalleryRegistry.h"

#include "ZuPathUtil.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

int main(int argc, char** argv)
{
    std::string outDir;
    std::set<std::string> wanted;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--list") == 0)
        {
            for (const auto& page : GalleryPages())
                std::printf("%s\n", page.first.c_str());
            return 0;
        }
        if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc)
            outDir = argv[++i];
        else
            wanted.insert(argv[i]);
    }
    if (outDir.empty())
    {
        std::fprintf(stderr, "usage: zu_gallery --png DIR [PAGE ...] | --list\n");
        return 2;
    }

    std::string resources = CZuPathUtil::GetResourcePath().PtrZ();
    int failed = 0;
    int shots = 0;
    for (const auto& page : GalleryPages())
    {
        if (!wanted.empty() && !wanted.count(page.first))
            continue;
        CGalleryScene scene(resources, outDir, page.first);
        page.second(scene);
        std::printf("%s: %d pictures\n", page.first.c_str(), scene.ShotCount());
        shots += scene.ShotCount();
        if (scene.ShotCount() == 0)
            ++failed;
    }
    std::printf("%d pictures in %s\n", shots, outDir.c_str());
    return failed == 0 ? 0 : 1;
}
