#pragma once
// A shared library loaded when first needed, by its run-time name, and the
// functions taken from it by name. The program then starts without it and
// goes on without it, less that library's service, where it is missing. The
// library stays loaded for the rest of the process.

#include <string>

namespace platform {

class SharedLibrary {
public:
    explicit SharedLibrary(const std::string& runtimeName);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool loaded() const noexcept { return handle_ != nullptr; }
    // Why the library did not load (the loader's words), or empty.
    const std::string& error() const noexcept { return error_; }

    // The function of that name and type, or null.
    template <class Function>
    Function* function(const char* name) const
    {
        return reinterpret_cast<Function*>(symbol(name));
    }

private:
    void* symbol(const char* name) const;

    void* handle_ = nullptr;
    std::string error_;
};

} // namespace platform
