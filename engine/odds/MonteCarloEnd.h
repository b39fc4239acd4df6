#pragma once
// When a Monte Carlo run ends: after the trials or the seconds asked, or else
// once its standard error reaches the target; and how far along it is.

#include <algorithm>
#include <cstdint>

#include "engine/odds/Equity.h"
#include "engine/odds/EquityRequest.h"

namespace engine::odds {

class MonteCarloEnd {
public:
    explicit MonteCarloEnd(const EquityRequest& request)
        : trials_(request.trials), seconds_(request.seconds),
          // A trial count or a time limit replaces the standard error as the end.
          targetError_(request.trials != 0 || request.seconds > 0.0 ? 0.0
                       : request.targetStandardError > 0.0          ? request.targetStandardError
                                                                    : 0.001)
    {
    }

    bool endsByError() const { return targetError_ > 0.0; }

    bool preciseEnough(std::uint64_t deals, double standardError) const
    {
        return endsByError() && deals >= kMinimumTrials && standardError <= targetError_;
    }

    bool reached(std::uint64_t deals, double standardError, double elapsed) const
    {
        return preciseEnough(deals, standardError) || (seconds_ > 0.0 && elapsed >= seconds_);
    }

    // From 0 to 1: of the trials, of the time, or of the deals the standard
    // error so far says are needed.
    double fraction(std::uint64_t deals, double standardError, double elapsed) const
    {
        if (trials_ != 0)
            return static_cast<double>(deals) / static_cast<double>(trials_);
        if (seconds_ > 0.0)
            return elapsed / seconds_;
        if (standardError > 0.0)
            return std::min(1.0, targetError_ * targetError_ / (standardError * standardError));
        return 0.0;
    }

private:
    std::uint64_t trials_;
    double seconds_;
    double targetError_;
};

} // namespace engine::odds
