#pragma once
// The demo's registration of the control: made when the program starts, if
// the control is not registered for this user yet, and taken out again when
// the program ends, so that the demo leaves behind nothing it added. A
// registration that was there before stays as it was.

#include <string>

namespace sheerpanedemo {

class ControlServer;

class DemoRegistration {
public:
    // Throws std::runtime_error when the registry cannot be read or written.
    DemoRegistration(ControlServer& server, const std::string& progId);
    ~DemoRegistration();
    DemoRegistration(const DemoRegistration&) = delete;
    DemoRegistration& operator=(const DemoRegistration&) = delete;

    // Whether the demo registered the control itself.
    bool added() const noexcept { return added_; }

private:
    ControlServer& server_;
    bool added_ = false;
};

// Whether progId is registered for this user.
bool isRegistered(const std::string& progId);

} // namespace sheerpanedemo
