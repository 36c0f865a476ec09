#ifndef ZUTESTCARD_H
#define ZUTESTCARD_H

#include <string>
#include <vector>

class CZuGc;

// The test card of the drawing context: every shape in every style, the five gradients, round rectangles
// with mixed radii, clipping, images with alpha and colour keys, and text in the interface and phonetic
// fonts.
const int KTestCardWidth = 640;
const int KTestCardHeight = 628;

// Draws the card into gc (at least KTestCardWidth x KTestCardHeight); the sample pictures are read from
// dataDir (ending with "/").
void DrawTestCard(CZuGc& gc, const std::string& dataDir);

// width x height pixels of Blue, Green, Red, Alpha, rows top to bottom, to or from a PNG file. The file holds
// the colours only, as a window shows them; read back, every alpha is 255.
bool WritePng(const std::string& path, const unsigned char* bgra, int width, int height);
bool ReadPng(const std::string& path, std::vector<unsigned char>& bgra, int& width, int& height);

#endif // ZUTESTCARD_H
