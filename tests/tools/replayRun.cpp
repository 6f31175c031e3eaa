#include "replayRun.h"
#include "support/buildPaths.h"

#include <cstdio>
#include <sys/wait.h>

#include "support/sdlTestEnvironment.h"

replayResult runReplay(const std::string &arguments) {
    const temporaryFolder scratch;
    const std::string errorsPath = scratch.file("stderr");
    const std::string command = std::string(builtReplayPath) + " " + arguments + " 2>" + errorsPath;
    replayResult result;
    std::FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::string line;
    int c;
    while ((c = std::fgetc(pipe)) != EOF) {
        if (c == '\n') {
            result.lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = readWholeFile(errorsPath);
    return result;
}

std::string jsonField(const std::string &line, const std::string &key) {
    const std::string marker = "\"" + key + "\": ";
    const size_t at = line.find(marker);
    if (at == std::string::npos) {
        return "";
    }
    const size_t start = at + marker.size();
    const size_t end = line.find_first_of(",}", start);
    return line.substr(start, end - start);
}
