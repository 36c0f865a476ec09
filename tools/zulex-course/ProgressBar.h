#ifndef PROGRESSBAR_H
#define PROGRESSBAR_H

#include <cstdio>
#include <string>

// A one-line progress bar, drawn only when its stream is a terminal.
class CProgressBar
{
public:
    CProgressBar(FILE* to, const std::string& label, int total);
    // Redraws when the shown fraction changes.
    void Update(int done);
    // Clears the line.
    void Finish();

private:
    FILE* iTo;
    std::string iLabel;
    int iTotal;
    int iShown;
    bool iEnabled;
};

#endif // PROGRESSBAR_H
