#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace zandrel::test {

struct ProgramResult {
    int exitCode = -1;
    std::string out;  // standard output only; standard error is discarded
};

/// Runs a shell command line and captures its standard output.
inline ProgramResult RunProgram(const std::string& commandLine) {
    ProgramResult result;
    FILE* pipe = popen((commandLine + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 65536> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace zandrel::test
