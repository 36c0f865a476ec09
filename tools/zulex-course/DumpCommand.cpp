// zulex-course dump DIR/NAME: the course as a word list (word, phonetic, note, explanation).
#include "CourseCommands.h"
#include "CourseOper.h"
#include "CoursePath.h"
#include "WordInfo.h"

namespace
{

// Writes a text as one TSV field and its separator: tabs, line ends and zero bytes, which a field cannot
// hold, become spaces.
void WriteField(FILE* out, const CZuString& text, char separator)
{
    std::string field(Str(text), static_cast<size_t>(text.Length()));
    for (char& ch : field)
    {
        if (ch == '\t' || ch == '\n' || ch == '\r' || ch == '\0')
            ch = ' ';
    }
    field += separator;
    std::fwrite(field.data(), 1, field.size(), out);
}

} // namespace

int RunDumpCommand(const TArgs& args, const TToolStreams& io)
{
    if (args.size() != 1)
        return CommandUsageError("dump", io);
    TCoursePath path(args[0]);
    CCourseOper course(path.iName.c_str(), path.iFolder.c_str());
    if (!LoadWholeCourse(course, io))
        return 1;
    for (int i = 0; i < course.WordCount(); ++i)
    {
        const CWordInfo& word = *course.Word(i);
        WriteField(io.iOut, word.iWord, '\t');
        WriteField(io.iOut, word.iPhonetic, '\t');
        WriteField(io.iOut, word.iPhoneticNote, '\t');
        WriteField(io.iOut, word.iExplanation, '\n');
    }
    return 0;
}
