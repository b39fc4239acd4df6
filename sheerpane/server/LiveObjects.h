#pragma once
// How many objects of this library are alive (controls, class factories) and
// how many locks hosts hold on it: while any is, the library must stay
// loaded. The count belongs to this copy of the code, as the question does.

namespace sheerpane {

class LiveObjects {
public:
    static void add() noexcept;
    static void remove() noexcept;
    static void lock() noexcept;
    static void unlock() noexcept;
    static bool none() noexcept;
};

} // namespace sheerpane
