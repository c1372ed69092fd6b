#pragma once
// The main window's timers, by the work they drive.
namespace tavrin {

enum class TimerId {
    Scheduler = 1,   // checks the timed macros every "Timer Seconds"
    StartUp = 2,     // runs the start-up macros, one tick 5 s after start
    ClearInUse = 5,  // clears InUse 15 s after a triggered start
};

class Timers {
public:
    virtual ~Timers() = default;
    // Starts the timer, or restarts it with the new interval.
    virtual void Start(TimerId id, unsigned milliseconds) = 0;
    virtual void Stop(TimerId id) = 0;
};

}  // namespace tavrin
