// Default answers and standard-error messages for runs without a display.
#include "model/batch_ui.h"

#include "base/text.h"

namespace kv40::model {
namespace {

constexpr const char* kCancelled = "abgebrochen (Frage wiederholt)";

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

bool BatchUi::Repeated(const std::string& question) {
  if (question == lastQuestion_) return true;
  lastQuestion_ = question;
  return false;
}

void BatchUi::Note(const std::string& prompt, const std::string& answer) {
  err_ << "KV40 ohne Anzeige: " << prompt << " -> " << answer << '\n';
  err_.flush();
}

std::optional<int> BatchUi::Choose(const std::string& prompt, const std::vector<std::string>& items,
                                   int preselect, int) {
  std::string question = "C\n" + prompt + '\n' + std::to_string(preselect);
  for (const std::string& item : items)
    question += '\n' + item;
  if (Repeated(question) || preselect < 1 || preselect > static_cast<int>(items.size())) {
    Note(prompt, kCancelled);
    return std::nullopt;
  }
  Note(prompt, std::string(base::TrimRightView(items[static_cast<std::size_t>(preselect - 1)])));
  return preselect;
}

std::optional<bool> BatchUi::YesNo(const std::string& prompt, bool preset, int) {
  if (Repeated("Y\n" + prompt + '\n' + (preset ? "1" : "0"))) {
    Note(prompt, kCancelled);
    return std::nullopt;
  }
  Note(prompt, preset ? "Ja" : "Nein");
  return preset;
}

std::optional<std::string> BatchUi::EnterText(const std::string& prompt, int,
                                              const std::string& preset, int) {
  if (Repeated("T\n" + prompt + '\n' + preset)) {
    Note(prompt, kCancelled);
    return std::nullopt;
  }
  Note(prompt, Quoted(preset));
  return preset;
}

Answer BatchUi::YesNoCancel(const std::string&, const std::string& text) {
  Note(text, "Abbrechen");
  return Answer::Cancel;
}

void BatchUi::MessageBox(BoxKind, const std::string& caption, const std::string& text) {
  err_ << caption;
  if (!caption.empty() && caption.back() != ' ') err_ << ' ';
  err_ << text << '\n';
  err_.flush();
}

void BatchUi::TextScreen(const std::string&, const std::vector<std::string>& lines) {
  std::size_t count = lines.size();
  while (count > 0 && base::TrimRightView(lines[count - 1]).empty())
    --count;
  for (std::size_t i = 0; i < count; ++i)
    out_ << base::TrimRightView(lines[i]) << '\n';
  out_.flush();
}

std::optional<std::string> BatchUi::OpenFile(const std::string& filter, const std::string&) {
  Note("Datei öffnen " + filter, "keine Datei");
  return std::nullopt;
}

std::optional<std::string> BatchUi::SaveFile(const std::string& filter, const std::string&) {
  Note("Datei speichern " + filter, "keine Datei");
  return std::nullopt;
}

std::optional<std::string> BatchUi::ChooseFolder(const std::string& caption, const std::string&) {
  Note(caption, "kein Ordner");
  return std::nullopt;
}

MessageHelpEdit BatchUi::MessageHelp(const std::string& message, const std::string& cause,
                                     const std::string& remedy, int) {
  err_ << message << '\n';
  if (!cause.empty()) err_ << "Ursache: " << cause << '\n';
  if (!remedy.empty()) err_ << "Abhilfe: " << remedy << '\n';
  err_.flush();
  return {false, cause, remedy};
}

}  // namespace kv40::model
