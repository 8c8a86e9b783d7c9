// Opening a web address in the user's browser.
#pragma once
#include <string>

// Hands the address to xdg-open without a shell; the result is not checked. An empty address does nothing.
void openInBrowser(const std::string& address);
