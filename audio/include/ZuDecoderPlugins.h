#ifndef ZUDECODERPLUGINS_H
#define ZUDECODERPLUGINS_H

#include "ZuDecoderPlugin.h"

#include <string>

// The stream player's decoders: the plug-ins of one folder (by default "plugins/" beside the program),
// looked for when the first stream opens and never before, so that playing speech loads nothing. Only
// files named KNamePrefix + name + KNameSuffix are loaded; a library whose "mapGetDecoder" is missing or
// answers an unusable descriptor is unloaded again. Kept plug-ins stay loaded while the program runs.
class CZuDecoderPlugins
{
public:
    static const char* const KNamePrefix;
    static const char* const KNameSuffix;

    // Looks in folder instead (a test's build folder, a host with its own layout); empty goes back to the
    // program's own. Set before the first stream opens; setting it again makes the next stream look again.
    static void SetFolder(const std::string& folder);
    // The folder looked in, ending in "/".
    static std::string Folder();

    // Loads the plug-ins the first time it is asked; later calls answer from what was found.
    static int Count();
    static const TZuDecoder* Get(int index);
    // Whether the folder has been looked in since it was last set.
    static bool Searched();

    // The decoder surest of an input starting with head; null when none knows it.
    static const TZuDecoder* ForHead(const unsigned char* head, int size);
    // Whether a descriptor is of this version and type and has all its entry points.
    static bool IsUsable(const TZuDecoder* decoder);
    // Whether file (without its folder) is named as a plug-in is.
    static bool IsPluginName(const std::string& file);
};

#endif // ZUDECODERPLUGINS_H
