#pragma once
// A display for the window benchmarks: the one in DISPLAY, or a private Xvfb
// server started for the run and stopped at its end.

#include <string>
#include <sys/types.h>

namespace benchwindow {

class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool ready() const noexcept { return ready_; }
    const std::string& display() const noexcept { return display_; }

private:
    pid_t pid_ = -1;
    bool ready_ = false;
    std::string display_;
};

} // namespace benchwindow
