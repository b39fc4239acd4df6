#pragma once
// Runs a step when the scope ends, unless dismissed first: how a sequence of
// acquisitions gives everything back when one of its steps throws. The step
// itself must not throw out of a destructor, so its own errors are dropped.

#include <utility>

namespace sheerpane {

template <class Step>
class Cleanup {
public:
    explicit Cleanup(Step step) : step_(std::move(step)) {}
    Cleanup(const Cleanup&) = delete;
    Cleanup& operator=(const Cleanup&) = delete;
    ~Cleanup()
    {
        if (!armed_)
            return;
        try {
            step_();
        } catch (...) {
            // Cleaning up after an error: that error is the one to report.
        }
    }
    void dismiss() noexcept { armed_ = false; }

private:
    Step step_;
    bool armed_ = true;
};

} // namespace sheerpane
