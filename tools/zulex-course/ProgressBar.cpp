#include "ProgressBar.h"

#include <unistd.h>

namespace
{

const int KWidth = 40;

} // namespace

CProgressBar::CProgressBar(FILE* to, const std::string& label, int total)
    : iTo(to), iLabel(label), iTotal(total), iShown(-1), iEnabled(total > 0 && isatty(fileno(to)) == 1)
{
}

void CProgressBar::Update(int done)
{
    if (!iEnabled)
        return;
    int filled = static_cast<int>(static_cast<long long>(done) * KWidth / iTotal);
    if (filled == iShown && done != iTotal)
        return;
    iShown = filled;
    std::string bar(static_cast<size_t>(filled), '#');
    bar.append(static_cast<size_t>(KWidth - filled), '.');
    std::fprintf(iTo, "\r%s [%s] %d/%d", iLabel.c_str(), bar.c_str(), done, iTotal);
    std::fflush(iTo);
}

void CProgressBar::Finish()
{
    if (!iEnabled)
        return;
    std::fprintf(iTo, "\r%*s\r", static_cast<int>(iLabel.size()) + KWidth + 30, "");
    std::fflush(iTo);
}
