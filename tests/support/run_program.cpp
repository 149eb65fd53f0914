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

// The words of PARABEL_PROGRAM_RUNNER ("valgrind -q --error-exitcode=9"),
// which then runs every program a test starts.
std::vector<std::string> Runner() {
    std::vector<std::string> words;
    std::istringstream runner(std::getenv("PARABEL_PROGRAM_RUNNER") != nullptr
                                  ? std::getenv("PARABEL_PROGRAM_RUNNER")
                                  : "");
    for (std::string word; runner >> word;) {
        words.push_back(word);
    }
    return words;
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
        std::vector<std::string> words = Runner();
        words.push_back(program);
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
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
