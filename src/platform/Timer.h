#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

// A timer on the event loop's thread. Mode 0 is off, 1 fires once after Period
// milliseconds and then turns itself off, 2 fires every Period milliseconds.
// A firing raises Action; an exception from Action goes to the application's
// unhandled-exception handler. A timer that goes away stops.
class Timer : public virtual Object {
public:
    using Ref = std::shared_ptr<Timer>;

    enum : int32_t { kModeOff = 0, kModeSingle = 1, kModeMultiple = 2 };

    static Ref Create();
    ~Timer() override;

    int32_t Mode() const { return mMode; }
    void Mode(int32_t mode);
    int32_t Period() const { return mPeriod; }
    void Period(int32_t milliseconds);
    // Starts the current period again.
    void Reset();

    // Called by the event-loop dispatcher.
    void Fire();

protected:
    Timer() = default;

    virtual void Action() {}

private:
    void Start();
    void Stop();

    int32_t mMode = kModeOff;
    int32_t mPeriod = 1000;
    int mTimerId = 0;
};

}  // namespace platform
