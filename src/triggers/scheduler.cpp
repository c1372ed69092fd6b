#include "triggers/scheduler.h"

#include <algorithm>
#include <utility>

namespace tavrin {

namespace {

// The end of summer time sets the clock back by an hour at most.
constexpr int64_t kLongestSummerTimeStep = kMillisecondsPerHour;

}  // namespace

TimerCheck::TimerCheck(TimerCheck&& other) noexcept
    : DueMacros(std::move(other)), inProgress_(other.inProgress_) {
    other.inProgress_ = nullptr;
}

TimerCheck::~TimerCheck() {
    if (inProgress_) *inProgress_ = false;
}

Scheduler::Scheduler(MacroStore& store, HookLibrary& hooks, Clock& clock, const Settings& settings)
    : store_(store),
      hooks_(hooks),
      clock_(clock),
      settings_(settings),
      previous_(ToLocalMilliseconds(clock.Now())),
      reached_(previous_) {}

int64_t Scheduler::ReadClock() {
    int64_t now = ToLocalMilliseconds(clock_.Now());
    if (now < previous_) {
        // The clock went back. "Other" counts no time between the two
        // readings rather than an hour less.
        for (ScheduleEntry& e : entries_) {
            if (e.Kind == kSchedOther)
                e.Base = FromLocalMilliseconds(ToLocalMilliseconds(e.Base) - (previous_ - now));
        }
        if (reached_ - now > kLongestSummerTimeStep) reached_ = now;
    }
    previous_ = now;
    return now;
}

void Scheduler::CheckAndSetTime() {
    const bool wasChecking = !entries_.empty();
    const int64_t now = ReadClock();
    entries_.clear();
    bool idleMacro = false;
    MacroTable& table = store_.Table();
    const int count = std::min<int>(table.MacroCount(), static_cast<int>(kMaxMacros));
    for (int n = 1; n <= count; ++n) {
        if (!table.ActiveOf(n) || table.HotKeyOf(n) != kHotKeyTimed) continue;
        MacroRecord r;
        if (!store_.ReadMacro(n, r)) continue;
        if (r.SchedKind == kSchedTimeOut) idleMacro = true;
        if (r.SchedKind == kSchedAtStartup) continue;
        entries_.push_back(MakeScheduleEntry(n, r, FromLocalMilliseconds(now)));
    }
    // Without entries the timer was off and the previous check is old: a new
    // schedule must not run for a time that passed before it was made.
    if (!wasChecking) reached_ = now;
    idleSeconds_ = 0;
    const uint8_t watch = idleMacro ? 1 : 0;
    if (table.Byte(table::IdleWatch) != watch) {
        table.SetByte(table::IdleWatch, watch);
        hooks_.ZynUpIdle(table);
    }
}

TimerCheck Scheduler::CheckOutTimerMacros() {
    idleSeconds_ += settings_.TimerSeconds;
    if (checking_) return TimerCheck(nullptr);
    TimerCheck check(&checking_);
    checking_ = true;
    const int64_t now = ReadClock();
    for (ScheduleEntry& e : entries_) {
        if (IsDue(e, now)) check.Macros.push_back(e.Macro);
    }
    check.Alarm = Alarm();
    reached_ = std::max(reached_, now);
    return check;
}

bool Scheduler::IsDue(ScheduleEntry& e, int64_t now) {
    switch (e.Kind) {
        case kSchedOther: {
            if (e.Minutes == 0) return false;
            const int64_t interval = e.Minutes * kMillisecondsPerMinute;
            int64_t base = ToLocalMilliseconds(e.Base);
            if (base + interval > now) return false;
            // Intervals that passed unchecked run once; the count keeps its
            // step.
            base += (now - base) / interval * interval;
            e.Base = FromLocalMilliseconds(base);
            return true;
        }
        case kSchedTimeOut:
            // Each Time Out macro counts its own N minutes, so a longer one is
            // not held back by a shorter one running.
            if (e.Minutes == 0 || idleSeconds_ - e.IdleMark <= e.Minutes * 60) return false;
            e.IdleMark = idleSeconds_;
            return true;
        default: {
            std::optional<LocalDateTime> next = NextRun(e, FromLocalMilliseconds(reached_));
            return next && ToLocalMilliseconds(*next) <= now;
        }
    }
}

DueMacros Scheduler::StartUpMacros() {
    DueMacros due;
    const MacroTable& table = store_.Table();
    const int count = std::min<int>(table.MacroCount(), static_cast<int>(kMaxMacros));
    for (int n = 1; n <= count; ++n) {
        if (!table.ActiveOf(n) || table.HotKeyOf(n) != kHotKeyTimed) continue;
        MacroRecord r;
        if (store_.ReadMacro(n, r) && r.SchedKind == kSchedAtStartup) due.Macros.push_back(n);
    }
    due.Alarm = Alarm();
    return due;
}

void Scheduler::OnUserActivity() {
    idleSeconds_ = 0;
    for (ScheduleEntry& e : entries_) e.IdleMark = 0;
}

TimedAlarm Scheduler::Alarm() const {
    TimedAlarm alarm;
    alarm.Play = settings_.UseWaveFile;
    alarm.Wait = settings_.WaveFileWait;
    alarm.WaveFile = settings_.WaveFile;
    return alarm;
}

}  // namespace tavrin
