// Starts xdg-open detached, so the program neither waits for the browser nor leaves a zombie behind.
#include "platform/Browser.h"

#include <sys/wait.h>
#include <unistd.h>

void openInBrowser(const std::string& address) {
    if (address.empty()) return;
    pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        // The intermediate child exits at once; the grandchild is adopted by init.
        if (fork() == 0) {
            setsid();
            execlp("xdg-open", "xdg-open", address.c_str(), static_cast<char*>(nullptr));
        }
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}
