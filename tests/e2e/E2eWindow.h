#ifndef E2EWINDOW_H
#define E2EWINDOW_H

// What the end-to-end scenarios know of the program's window and files: where its parts stand in the
// 480 x 360 picture, the colours to tell them by, and "Word.cfg" read back item by item.
#include "E2eSession.h"
#include "ZuLexColours.h"
#include "ZuString.h"

#include <string>

namespace e2e
{

const int KWidth = 480;
const int KHeight = 360;
const int KTitleBottom = 33;
const int KClientBottom = 307;
const int KCbaTop = 329;
// The main menu's cells: three a row, 159 x 137 from the client area's top left.
const int KCellWidth = 159;
const int KCellHeight = 137;
const unsigned KScreen = KZuLexScreen;
const unsigned KPromptBand = 0xD9E5F0;
const unsigned KPaper = 0xFFFFFF;
// The soft keys, clicked.
const int KLeftKeyX = 30;
const int KRightKeyX = 450;
const int KSoftKeyY = 344;

// The main menu's cells in order: course, study, test, new-word book, settings.
enum TCell
{
    ECellCourse = 0,
    ECellStudy = 1,
    ECellTest = 2,
    ECellNewword = 3,
    ECellSetting = 4
};

// The middle of the main menu's column and row.
inline int ColumnX(int column)
{
    return 1 + KCellWidth * column + KCellWidth / 2;
}

inline int RowY(int row)
{
    return KTitleBottom + KCellHeight * row + KCellHeight / 2;
}

inline int CellX(int cell)
{
    return ColumnX(cell % 3);
}

inline int CellY(int cell)
{
    return RowY(cell / 3);
}

// "Word.cfg" as the program wrote it, read item by item with the block-file reader.
struct TSettingsFile
{
    bool iRead = false;
    unsigned iFormat = 0;
    CZuString iCourseName;
    CZuString iCourseFile;
    unsigned iGroup = 0;
    unsigned iWord = 0;
    unsigned iUiTransform = 0;
    unsigned iCountPerGroup = 0;
    unsigned iWordSpeech = 0;
    unsigned iTestRange = 0;

    // "file group word", for a failure to say where the learner stands.
    std::string Place() const;
};

TSettingsFile ReadSettings(const std::string& path);

// How many pixels of the box differ from colour.
int PixelsOtherThan(const TE2eFrame& frame, unsigned colour, int left, int top, int right, int bottom);

int ClientDifferences(const TE2eFrame& a, const TE2eFrame& b);
int AllDifferences(const TE2eFrame& a, const TE2eFrame& b);

} // namespace e2e

#endif // E2EWINDOW_H
