#include "E2eWindow.h"

#include "ZuReadFileStream.h"

namespace e2e
{

std::string TSettingsFile::Place() const
{
    std::string file = iCourseFile.PtrZ() ? iCourseFile.PtrZ() : "";
    return file + " " + std::to_string(iGroup) + " " + std::to_string(iWord);
}

TSettingsFile ReadSettings(const std::string& path)
{
    TSettingsFile file;
    CZuReadFileStream in;
    if (!in.Open(CZuString(path.c_str())))
        return file;
    in >> file.iFormat >> file.iCourseName >> file.iCourseFile >> file.iGroup >> file.iWord >>
        file.iUiTransform >> file.iCountPerGroup >> file.iWordSpeech >> file.iTestRange;
    in.Close();
    file.iRead = true;
    return file;
}

int PixelsOtherThan(const TE2eFrame& frame, unsigned colour, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
            count += frame.At(x, y) != colour ? 1 : 0;
    }
    return count;
}

int ClientDifferences(const TE2eFrame& a, const TE2eFrame& b)
{
    return a.Differences(b, 0, KTitleBottom, KWidth, KClientBottom);
}

int AllDifferences(const TE2eFrame& a, const TE2eFrame& b)
{
    return a.Differences(b, 0, 0, KWidth, KHeight);
}

} // namespace e2e
