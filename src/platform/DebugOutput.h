// Diagnostics for developers: one line on standard error, never shown to the user.
#pragma once
#include <string>

void debugOutput(const std::string& line);
