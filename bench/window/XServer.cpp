#include "XServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace benchwindow {

XServer::XServer()
{
    // The windows are measured on X, never offscreen.
    unsetenv("QT_QPA_PLATFORM");
    if (const char* d = std::getenv("DISPLAY"); d && *d) {
        display_ = d;
        ready_ = true;
        return;
    }
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // Xvfb writes its display number and a line feed once it takes
    // connections; the pipe stays open until the whole line is in.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (pid_ > 0 && number.size() < 8 && poll(&p, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        number.push_back(c);
    if (c == '\n' && !number.empty()) {
        display_ = ":" + number;
        setenv("DISPLAY", display_.c_str(), 1);
        ready_ = true;
    } else {
        std::fprintf(stderr, "bench: could not start Xvfb\n");
    }
    close(fds[0]);
}

XServer::~XServer()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

} // namespace benchwindow
