// The C notation for numbers after Qt has taken the desktop's locale.
#include "gui/app/numeric_locale.h"

#include <clocale>

namespace kv40::app {

void KeepNumbersInCNotation() {
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace kv40::app
