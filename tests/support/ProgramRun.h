#ifndef PROGRAMRUN_H
#define PROGRAMRUN_H

// Runs a command-line program and keeps what it printed and how it ended.
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct TProgramRun
{
    int iExitCode = -1;
    std::string iOutput; // standard output and standard error together
};

inline std::string Quoted(const std::string& argument)
{
    std::string quoted = "'";
    for (char ch : argument)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

inline TProgramRun RunProgram(const std::string& commandLine)
{
    TProgramRun run;
    std::FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return run;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.iOutput.append(chunk, n);
    int status = pclose(pipe);
    run.iExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

#endif // PROGRAMRUN_H
