// The calculation driver.
#include "calc/driver.h"

#include "report/message_log.h"

namespace kv40::calc {

void ApplyDin5482(model::Program& p) {
  auto& s = p.spec;
  if (s.z5482 == 0) {
    report::AddMessage(s.log, "Fatal  : z = 0 !");
    s.log.fatal = true;
    return;
  }
}

void CalcSpline(model::Program& p) {
  report::ResetMessages(p.spec.log);
}

void RecalcAll(model::Program& p) {
  report::ResetMessages(p.spec.log);
  ApplyDin5482(p);
  if (p.spec.log.fatal) return;
  CalcSpline(p);
}

void RecalcDimensions(model::Program& p, int pickedRow) {
  p.spec.normRow = pickedRow;
  ApplyDin5482(p);
  if (p.spec.log.fatal) return;
  CalcSpline(p);
}

}  // namespace kv40::calc
