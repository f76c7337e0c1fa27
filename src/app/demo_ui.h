// The windows of the demonstration: the stepping dialog "Animation" and the result table shown
// beside the presentation.
#pragma once

#include <string>

#include "report/preview.h"

namespace kv40::app {

class DemoUi {
 public:
  virtual ~DemoUi() = default;
  // Shows the caption of step i of n (1-based) and waits: for "+" while the user steps, for
  // pauseMs once "++" has let the presentation run on its own. False when the user ended the
  // presentation (closed the dialog).
  virtual bool DemoStep(const std::string& caption, int i, int n, int pauseMs) = 0;
  // Shows the caption of step i of n before the step's picture is drawn, so that a moving
  // picture runs under its own caption.
  virtual void DemoCaption(const std::string& caption, int i, int n) = 0;
  // Lets the pictures show for ms between the frames of a moving picture. False when the user
  // ended the presentation.
  virtual bool DemoPause(int ms) = 0;
  // The result table beside the presentation, for looking only, until the presentation ends.
  virtual void DemoTable(const report::PreviewGrid& grid, const std::string& caption) = 0;
  // Closes the dialog and the table.
  virtual void EndDemo() = 0;
};

}  // namespace kv40::app
