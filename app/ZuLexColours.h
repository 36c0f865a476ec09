#ifndef ZULEXCOLOURS_H
#define ZULEXCOLOURS_H

// The program's own colours, as 0xRRGGBB (what CZuRgb(unsigned) reads, and what a test reads from a
// pixel): light screens with blue bars. The application puts them into the toolkit's style records.
const unsigned KZuLexBarBlue = 0x025296;
// Where the bars' gradient ends.
const unsigned KZuLexBarBlueDark = 0x01386C;
const unsigned KZuLexBarText = 0xFFFFFF;
const unsigned KZuLexScreen = 0xE7EFF6;
const unsigned KZuLexInk = 0x182840;
// The window's frame and the controls' borders.
const unsigned KZuLexBorder = KZuLexBarBlue;

// The new-word screen's list: its border, and the selected entry.
const unsigned KZuLexListBorder = 0x646464;
const unsigned KZuLexListSelection = 0xE69029;

#endif // ZULEXCOLOURS_H
