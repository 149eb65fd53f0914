#include "run_program.h"

#include "files.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace parabel::testing {

namespace {

std::string TempPath() {
    char pattern[] = "/tmp/parabel-test-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd >= 0) {
        close(fd);
    }
    return pattern;
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, const std::vector<std::string>& environment) {
    const std::string inPath = TempPath();
    const std::string outPath = TempPath();
    const std::string errPath = TempPath();
    {
        std::ofstream stream(inPath, std::ios::binary);
        stream << input;
    }
    ProgramResult result;
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(inPath.c_str(), O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        for (const std::string& entry : environment) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWholeFile(outPath);
    result.err = ReadWholeFile(errPath);
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

}  // namespace parabel::testing
