#include "ZuLog.h"

#include "ZuPathUtil.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string>

namespace
{

const int KMessageBufferSize = 10240;
const int KBytesPerDumpLine = 16;
const char KLogFileName[] = "zu_log.txt";
const char KLineEnd[] = "\r\n";
const char KDumpIndent[] = "\r\n    ";

CZuString& LogDirectoryOverride()
{
    static CZuString directory;
    return directory;
}

// Opens the log for appending (creating it when missing), writes the bytes and closes it again.
void AppendToLogFile(const std::string& bytes)
{
    CZuString path = CZuLog::LogFilePath();
    std::FILE* file = std::fopen(Str(path), "ab");
    if (file == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string TimeStamp()
{
    std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// "[Source.cpp 42] "
std::string SourceTag(const CZuString& sourceName, int line)
{
    return "[" + std::string(Str(sourceName)) + " " + std::to_string(line) + "] ";
}

} // namespace

CZuLog::CZuLog(const char* sourceFile, int line) : iLine(line)
{
    if (sourceFile == nullptr)
        return;
    const char* base = sourceFile;
    for (const char* p = sourceFile; *p != '\0'; ++p)
    {
        if (*p == '\\' || *p == '/')
            base = p + 1;
    }
    iSourceName = base;
}

CZuLog::~CZuLog() {}

void CZuLog::SetLogDirectory(const CZuString& directory)
{
    LogDirectoryOverride() = directory;
}

CZuString CZuLog::LogFilePath()
{
    const CZuString& directory = LogDirectoryOverride();
    return (directory.IsEmpty() ? CZuPathUtil::GetLogPath() : directory) + KLogFileName;
}

void CZuLog::Clean()
{
    std::remove(Str(LogFilePath()));
}

void CZuLog::Print(const char* format, ...)
{
    if (format == nullptr)
        return;
    char message[KMessageBufferSize];
    va_list args;
    va_start(args, format);
    int length = std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    if (length < 0)
        return;
    if (length >= KMessageBufferSize)
        length = KMessageBufferSize - 1;
    AppendLine(message, length);
}

void CZuLog::Print2(const char* data, int length)
{
    if (data == nullptr || length < 0)
        length = 0;
    AppendLine(data, length);
}

void CZuLog::Assert(bool condition)
{
    if (condition)
        return;
    static const char KAssertText[] = "#### ASSERT failed!";
    AppendLine(KAssertText, sizeof KAssertText - 1);
}

void CZuLog::AppendLine(const char* message, int length)
{
    std::string line = TimeStamp() + " " + SourceTag(iSourceName, iLine);
    if (length > 0)
        line.append(message, static_cast<size_t>(length));
    line += KLineEnd;
    AppendToLogFile(line);
}

void CZuLog::PrintBin(const char* data, int length)
{
    if (data == nullptr || length < 0)
        length = 0;
    std::string dump = SourceTag(iSourceName, iLine) + KDumpIndent;
    for (int i = 0; i < length; ++i)
    {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x ", static_cast<unsigned char>(data[i]));
        dump += hex;
        if ((i + 1) % KBytesPerDumpLine == 0)
            dump += i + 1 < length ? KDumpIndent : KLineEnd;
    }
    // A last partial line (or an empty dump) still ends its line.
    if (length % KBytesPerDumpLine != 0 || length == 0)
        dump += KLineEnd;
    AppendToLogFile(dump);
}

void CZuLog::DoNothing(const char* /*format*/, ...) {}

void CZuLog::DoNothingClean() {}
