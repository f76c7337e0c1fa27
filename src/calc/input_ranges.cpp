// Input range checks and the check that every number of a calculated state is finite.
#include "calc/input_ranges.h"

#include <cmath>
#include <limits>

#include "calc/findings.h"
#include "model/spec_fields.h"

namespace kv40::calc {
namespace {

bool Representable(Extended v) {
  return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<double>::max();
}

// Visits the fields of the state and keeps the name of the first number that is not
// representable; texts, counts and flags are passed over.
class NonFiniteFinder {
 public:
  template <class T>
  void operator()(const char* name, const T& value) {
    if (found_.empty() && !AllRepresentable(value)) found_ = name;
  }
  std::string Take() { return std::move(found_); }

 private:
  static bool AllRepresentable(Extended v) { return Representable(v); }
  template <class T, int N>
  static bool AllRepresentable(const Array1<T, N>& a) {
    for (int i = 1; i <= N; ++i) {
      if (!AllRepresentable(a[i])) return false;
    }
    return true;
  }
  template <class T>
  static bool AllRepresentable(const T&) {
    return true;
  }

  std::string found_;
};

}  // namespace

bool CheckRange(model::MessageLog& log, std::string_view name, const InputRange& r, Extended v) {
  if (InRange(r, v)) return true;
  std::string text = "Fatal  : ";
  text += name;
  text += " nicht in ";
  text += r.text;
  text += " !";
  RecordFatal(log, text);
  return false;
}

std::string FirstNonFiniteField(const model::SpecState& s) {
  NonFiniteFinder finder;
  model::VisitSpecFields(s, finder);
  return finder.Take();
}

void CheckFiniteResults(model::SpecState& s) {
  const std::string name = FirstNonFiniteField(s);
  if (!name.empty()) RecordFatal(s.log, std::string(kNotFinitePrefix) + name);
}

}  // namespace kv40::calc
