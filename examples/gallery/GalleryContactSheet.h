#ifndef GALLERYCONTACTSHEET_H
#define GALLERYCONTACTSHEET_H

#include <string>
#include <vector>

// One picture of every gallery picture: the PNGs that the pages wrote to dir (the files "<page>-*.png" of
// the pages named, pages in the order given, each page's pictures by name), a quarter of their size, in rows
// of eight with each one's name beneath it. False when no picture was found or the sheet could not be
// written.
bool WriteContactSheet(const std::string& dir, const std::vector<std::string>& pages,
                       const std::string& file);

#endif // GALLERYCONTACTSHEET_H
