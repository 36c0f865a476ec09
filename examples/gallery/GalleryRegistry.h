#ifndef GALLERYREGISTRY_H
#define GALLERYREGISTRY_H

#include "GalleryScene.h"

#include <map>
#include <string>

// The registered pages by name.
std::map<std::string, TGalleryPage>& GalleryPages();

#endif // GALLERYREGISTRY_H
