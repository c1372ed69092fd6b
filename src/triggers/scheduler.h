#pragma once
// The scheduler of timed macros: the schedule table built from the macro
// store, the periodic check that says which macros are due, the idle count
// behind "Time Out", and the start-up macros. Playing is the caller's: it
// gets macro numbers and the alarm to sound before each.
//
// Each check covers the span of the local clock from the previous check to
// now, and a wall-clock schedule is due when one of its times falls in that
// span. So a time just before midnight, or every time passed while the
// program was too busy to check, runs once at the next check, and a time in
// the hour skipped when the clock goes forward runs at the jump. When the
// clock goes back by up to an hour (the end of summer time), the span starts
// where the clock had reached, so a time passed twice runs the first time
// only; a bigger step back is a correction of the clock and the span starts
// afresh from it.
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/hook_library.h"
#include "store/macro_store.h"
#include "store/settings.h"
#include "triggers/schedule.h"

namespace tavrin {

// The sound played before every timed macro: "Use Wave File", "Wave File
// Wait" and "Wave File".
struct TimedAlarm {
    bool Play = false;
    bool Wait = false;  // until the sound ends
    std::string WaveFile;
};

struct DueMacros {
    std::vector<int> Macros;  // macro numbers in table order
    TimedAlarm Alarm;
};

// What one tick of MyTimer found due. While it lives the check is in
// progress: a tick that comes while its macros play finds nothing due and
// only counts the idle time.
class TimerCheck : public DueMacros {
public:
    TimerCheck(TimerCheck&& other) noexcept;
    TimerCheck(const TimerCheck&) = delete;
    TimerCheck& operator=(const TimerCheck&) = delete;
    TimerCheck& operator=(TimerCheck&&) = delete;
    ~TimerCheck();

private:
    friend class Scheduler;
    explicit TimerCheck(bool* inProgress) : inProgress_(inProgress) {}
    bool* inProgress_;
};

class Scheduler {
public:
    // Reads "Timer Seconds" and the alarm settings at every check. The
    // previous check starts as now, the program's start.
    Scheduler(MacroStore& store, HookLibrary& hooks, Clock& clock, const Settings& settings);

    // Rebuilds the table from the active timed macros, restarting every
    // "Other" count and the idle count, and publishes IdleWatch when it
    // changes. Call at start and after every change of the macro set.
    void CheckAndSetTime();
    // MyTimer runs only while this holds.
    bool TimerNeeded() const { return !entries_.empty(); }
    const std::vector<ScheduleEntry>& Entries() const { return entries_; }

    // MyTimer: the macros due since the previous check. A macro whose
    // times passed several times since then is due once. The caller plays
    // them in turn; one that finds another macro playing is skipped, not
    // kept for later.
    TimerCheck CheckOutTimerMacros();
    // Timer2: the active timed macros to run at start-up, in table order.
    DueMacros StartUpMacros();
    // Message 0x40B: the user pressed a key or moved the mouse.
    void OnUserActivity();

private:
    // Now on the local clock; notes a step back since the last reading.
    int64_t ReadClock();
    bool IsDue(ScheduleEntry& e, int64_t now);
    TimedAlarm Alarm() const;

    MacroStore& store_;
    HookLibrary& hooks_;
    Clock& clock_;
    const Settings& settings_;
    std::vector<ScheduleEntry> entries_;
    // The clock at its last reading, and where the previous check left the
    // span of wall-clock schedules: the latest the clock had reached.
    int64_t previous_;
    int64_t reached_;
    int idleSeconds_ = 0;
    bool checking_ = false;
};

}  // namespace tavrin
