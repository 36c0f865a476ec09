#ifndef ZULOG_H
#define ZULOG_H

#include "ZuString.h"

// Appends lines to the toolkit's log file "zu_log.txt" in the log directory. Every write opens the file,
// appends and closes it; a file that cannot be opened is skipped silently, so logging never fails the
// caller. A text line reads "2024-05-06 07:08:09 [Source.cpp 42] message\r\n" (local time).
class CZuLog
{
public:
    // Keeps the part of sourceFile after its last '\' or '/', and the line.
    CZuLog(const char* sourceFile, int line);
    virtual ~CZuLog();

    // Deletes the log file.
    void Clean();
    // printf-style; the message is cut at 10239 bytes.
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // A line holding length bytes of data as they are.
    void Print2(const char* data, int length);
    // A hex dump without time stamp: "[Source.cpp 42] ", then the bytes as "%02x " 16 to a line, each line
    // begun by four blanks and ended by "\r\n".
    void PrintBin(const char* data, int length);
    // When condition is false, a line "#### ASSERT failed!".
    void Assert(bool condition);

    // Where logging calls go when they are switched off.
    static void DoNothing(const char* format, ...);
    static void DoNothingClean();

    // The log file: the given directory (with its trailing '/') + "zu_log.txt". An empty directory, the
    // default, means the program's log path. For tests and tools that must not write beside the program.
    static void SetLogDirectory(const CZuString& directory);
    static CZuString LogFilePath();

    const CZuString& SourceName() const { return iSourceName; }
    int Line() const { return iLine; }

private:
    void AppendLine(const char* message, int length);

    CZuString iSourceName;
    int iLine;
};

// A log line tagged with the calling source file and line.
#define ZU_LOG(...) CZuLog(__FILE__, __LINE__).Print(__VA_ARGS__)

#endif // ZULOG_H
