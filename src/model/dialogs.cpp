// Choice lists, yes/no, text entry and the number entry loops with their range checks.
#include "model/dialogs.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/format.h"
#include "base/text.h"
#include "base/utf8.h"

namespace kv40::model {
namespace {

// Up to this many items the choice is a group of radio buttons, above it a list.
constexpr int kRadioItemsMax = 7;
constexpr int kRealEntryLength = 30;
constexpr int kIntEntryLength = 12;

std::string Shown(const Session& p, std::string_view text) {
  return base::WindowText(p.fmt(), text);
}

// How a number entry shows and reads its values.
template <class T>
struct NumberEntry {
  int maxLength;
  std::optional<T> (*parse)(std::string_view);
  std::string (*format)(const Session&, T);
};

// The loop of every number entry: a text that was not touched keeps the value as it was,
// an unreadable text restores the old value, a value out of range is offered again.
template <class T>
bool AskNumber(Session& p, const std::string& prompt, T& value, T lower, T upper,
               const NumberEntry<T>& entry) {
  T current = value;
  for (;;) {
    const std::string shown = entry.format(p, current);
    std::string text = shown;
    if (!AskText(p, prompt, entry.maxLength, text)) return false;
    T entered = current;
    if (text != shown) {
      const std::optional<T> parsed = entry.parse(text);
      if (!parsed) {
        p.GetUi().Beep();
        ShowError(p, "Ungültige Eingabe \"" + text + "\" !");
        current = value;
        continue;
      }
      entered = *parsed;
    }
    if (!(entered >= lower && entered <= upper)) {  // also refuses a NaN
      p.GetUi().Beep();
      ShowError(p, "Gültiger Wertebereich: " + entry.format(p, lower) + " .. " +
                       entry.format(p, upper) + " !");
      current = entered;
      continue;
    }
    value = entered;
    return true;
  }
}

std::optional<Extended> ParseReal(std::string_view text) {
  return base::TryParseNumber(text);
}
std::string FormatReal(const Session& p, Extended v) {
  return base::FormatSig(p.fmt(), v);
}
std::optional<std::int64_t> ParseInteger(std::string_view text) {
  return base::TryParseInt(text);
}
std::string FormatInteger(const Session&, std::int64_t v) {
  return base::IntToText(v);
}

bool AskInteger(Session& p, const std::string& prompt, std::int64_t& value, std::int64_t a,
                std::int64_t b) {
  if (b < a) std::swap(a, b);
  return AskNumber<std::int64_t>(p, prompt, value, a, b,
                                 {kIntEntryLength, &ParseInteger, &FormatInteger});
}

}  // namespace

bool ChooseItem(Session& p, const std::string& prompt, int n, int& selection) {
  n = std::min(n, kItemLineCount);
  if (n < 1) {  // nothing to choose from
    p.cancel = true;
    return false;
  }
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    items.push_back(Shown(p, p.itemLines[static_cast<std::size_t>(i)]));
  const int preselect = (selection < 1 || selection > n) ? 1 : selection;
  const std::optional<int> chosen =
      p.GetUi().Choose(Shown(p, prompt), items, preselect, p.helpContext);
  if (!chosen) {
    p.cancel = true;
    return false;
  }
  KV40_CHECK(*chosen >= 1 && *chosen <= n);
  selection = *chosen;
  // Confirming the list form clears a cancel left over from before; the radio form does not.
  if (n > kRadioItemsMax) p.cancel = false;
  return true;
}

bool AskYesNo(Session& p, const std::string& prompt, bool& flag) {
  const std::optional<bool> answer = p.GetUi().YesNo(Shown(p, prompt), flag, p.helpContext);
  if (!answer) {
    p.cancel = true;
    return false;
  }
  flag = *answer;
  return true;
}

bool AskText(Session& p, const std::string& prompt, int maxLength, std::string& text) {
  const std::string preset = Shown(p, text);
  const std::optional<std::string> entered =
      p.GetUi().EnterText(Shown(p, prompt), maxLength, preset, p.helpContext);
  if (!entered) {
    p.cancel = true;
    return false;
  }
  // An untouched entry keeps the text as it was, even where ASCII mode showed it
  // transliterated.
  const std::string result = *entered == preset ? text : base::WindowToOem(*entered);
  text = base::CutChars(result, static_cast<std::size_t>(std::max(maxLength, 0)));
  return true;
}

bool AskReal(Session& p, const std::string& prompt, Extended& value, Extended lower,
             Extended upper) {
  return AskNumber<Extended>(p, prompt, value, lower, upper,
                             {kRealEntryLength, &ParseReal, &FormatReal});
}

bool AskLength(Session& p, const std::string& prompt, Extended& mm, Extended lower,
               Extended upper) {
  if (p.inchUnits() != 1) return AskReal(p, prompt + " [mm]", mm, lower, upper);
  const Extended k = base::kMmPerInch;
  const Extended before = mm / k;
  Extended inch = before;
  if (!AskReal(p, prompt + " [inch]", inch, lower / k, upper / k)) return false;
  if (inch != before) {
    mm = inch * k;
    // Converting back must not step over a limit by rounding.
    if (lower <= upper) mm = std::clamp(mm, lower, upper);
  }
  return true;
}

bool AskInt(Session& p, const std::string& prompt, std::int32_t& value, std::int32_t a,
            std::int32_t b) {
  std::int64_t v = value;
  if (!AskInteger(p, prompt, v, a, b)) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool AskWord(Session& p, const std::string& prompt, Word& value, Word a, Word b) {
  std::int64_t v = value;
  if (!AskInteger(p, prompt, v, a, b)) return false;
  value = static_cast<Word>(v);
  return true;
}

bool AskYesNoCancel(Session& p, const std::string& text) {
  switch (p.GetUi().YesNoCancel(kProgramTitle, Shown(p, text))) {
    case Answer::Yes:
      return true;
    case Answer::No:
      return false;
    case Answer::Cancel:
      break;
  }
  p.cancel = true;
  return false;
}

}  // namespace kv40::model
