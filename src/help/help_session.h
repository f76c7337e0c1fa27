// A session with the help facility's state: the HP-GL interpreter's settings that carry over
// from one help image to the next, and the seam to the help-image manager's window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cad/graphic_session.h"
#include "help/hpgl.h"

namespace kv40::help {

// What the manager's window was closed with.
enum class ImageAction { Show, Ok, New, Change, Insert, Delete };

struct ImageChoice {
  ImageAction action = ImageAction::Ok;
  int entry = 0;  // 1-based entry chosen or selected in the list; 0: none
};

// The window "KV40 Hilfebilder" (Qt in the GUI module, scripted in tests): the entries'
// lines in a list, `selected` (1-based) preselected. Its "&Hilfe" button shows the help text
// itself without closing.
class HelpImageWindow {
 public:
  virtual ~HelpImageWindow() = default;
  virtual ImageChoice Show(const std::vector<std::string>& items, int selected) = 0;
};

struct HelpState {
  HpglState hpgl;
  HelpImageWindow* imageWindow = nullptr;
};

struct HelpSession : cad::GraphicSession {
  HelpState help;
};

}  // namespace kv40::help
