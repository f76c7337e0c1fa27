// The injectable clock: output that shows the date or time asks this, never the system.
#pragma once

namespace kv40::base {

struct DateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

// Local time of the machine.
class SystemClock final : public Clock {
 public:
  DateTime Now() const override;
};

// A fixed moment, for tests and reproducible output.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime t) : t_(t) {}
  DateTime Now() const override { return t_; }
  void Set(DateTime t) { t_ = t; }

 private:
  DateTime t_;
};

}  // namespace kv40::base
