// The toolkit's gallery: every control in its main states, each page a few pictures.
//
//   zu_gallery --png DIR [PAGE ...]   writes DIR/<page>-<shot>.png for every page (or the pages named)
//   zu_gallery --list                 names the pages
//   --contact-sheet FILE              also writes one picture of all the pictures written
//
// Nothing needs a display: the pages draw off-screen on a clock they advance themselves.
#include "GalleryContactSheet.h"
#include "GalleryRegistry.h"

#include "ZuPathUtil.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::string outDir;
    std::string sheet;
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
        else if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc)
            sheet = argv[++i];
        else
            wanted.insert(argv[i]);
    }
    if (outDir.empty())
    {
        std::fprintf(stderr, "usage: zu_gallery --png DIR [--contact-sheet FILE] [PAGE ...] | --list\n");
        return 2;
    }

    std::string resources = CZuPathUtil::GetResourcePath().PtrZ();
    int failed = 0;
    int shots = 0;
    std::vector<std::string> pagesRun;
    for (const auto& page : GalleryPages())
    {
        if (!wanted.empty() && !wanted.count(page.first))
            continue;
        pagesRun.push_back(page.first);
        CGalleryScene scene(resources, outDir, page.first);
        page.second(scene);
        std::printf("%s: %d pictures\n", page.first.c_str(), scene.ShotCount());
        shots += scene.ShotCount();
        if (scene.ShotCount() == 0)
            ++failed;
    }
    std::printf("%d pictures in %s\n", shots, outDir.c_str());
    if (!sheet.empty() && !WriteContactSheet(outDir, pagesRun, sheet))
    {
        std::fprintf(stderr, "could not write the contact sheet %s\n", sheet.c_str());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
