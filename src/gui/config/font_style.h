// Font style bits as the configuration keeps them: 1 bold, 2 italic, 4 underline, 8 strike out.
#pragma once

#include <QFont>
#include <QLabel>

namespace kv40::config::gui {

inline int FontStyleOf(const QFont& f) {
  return (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) |
         (f.strikeOut() ? 8 : 0);
}

inline void ApplyFontStyle(QFont& f, int style) {
  f.setBold((style & 1) != 0);
  f.setItalic((style & 2) != 0);
  f.setUnderline((style & 4) != 0);
  f.setStrikeOut((style & 8) != 0);
}

// The style in words on the label; the bits are kept as its property "style".
inline void ShowFontStyle(QLabel* label, int style) {
  QStringList words;
  if ((style & 1) != 0) words << "fett";
  if ((style & 2) != 0) words << "kursiv";
  if ((style & 4) != 0) words << "unterstrichen";
  if ((style & 8) != 0) words << "durchgestrichen";
  label->setText(words.isEmpty() ? QString("normal") : words.join(", "));
  label->setProperty("style", style);
}

}  // namespace kv40::config::gui
