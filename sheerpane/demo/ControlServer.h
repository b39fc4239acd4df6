#pragma once
// A control library seen from a host: loaded by file, reached only through
// its four exported server functions, and controls made through the per-user
// registry and the library's class factory. Failures throw
// std::runtime_error saying what went wrong.

#include <string>

#include "sheerpane/SheerpaneLib.h"

class QWidget;

namespace sheerpanedemo {

class ControlServer {
public:
    // Loads the library (it stays loaded for the life of the program).
    explicit ControlServer(const std::string& libraryPath);

    void registerServer();
    void unregisterServer();
    bool canUnloadNow();
    // A new control of the class, through its class factory.
    QWidget* createControl(const SpGuid& classId);

private:
    using Call = SpResult (*)();
    using GetClassObject = SpResult (*)(const SpGuid*, const SpGuid*, void**);

    std::string path_;
    Call registerServer_ = nullptr;
    Call unregisterServer_ = nullptr;
    Call canUnloadNow_ = nullptr;
    GetClassObject getClassObject_ = nullptr;
};

// The control registered under progId: its class and library looked up in
// this user's registry, the library loaded, the control made.
QWidget* createRegisteredControl(const std::string& progId);

std::string describeResult(SpResult result);

} // namespace sheerpanedemo
