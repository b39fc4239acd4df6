#pragma once
// The demo's registration of the control: made when the program starts, if
// the control is not registered for this user yet, and taken out again when
// the program ends, so that the demo leaves behind nothing it added: neither
// the registration nor the folders made for it. A registration that was
// there before stays as it was.

#include <filesystem>
#include <string>
#include <vector>

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
    // The registry's folder and those above it that the registration made,
    // innermost first.
    std::vector<std::filesystem::path> madeFolders_;
};

// Whether progId is registered for this user.
bool isRegistered(const std::string& progId);

} // namespace sheerpanedemo
