// Debug lines on standard error.
#include "platform/DebugOutput.h"

#include <cstdio>

void debugOutput(const std::string& line) {
    std::string text = line;
    if (text.empty() || text.back() != '\n') text += '\n';
    std::fputs(text.c_str(), stderr);
}
