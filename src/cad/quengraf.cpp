// The graphic window as the drawing code calls it.
#include "cad/quengraf.h"

#include <unistd.h>

#include "base/text_file.h"
#include "base/utf8.h"
#include "model/dialogs.h"

namespace kv40::cad {

namespace {

constexpr std::size_t kMaxTextChars = 254;

}  // namespace

bool Header(GraphicSession& p, Extended xmin, Extended ymin, Extended xmax, Extended ymax) {
  if (p.graphic.Header(xmin, ymin, xmax, ymax)) return true;
  p.cancel = true;
  return false;
}

bool SetWindow(GraphicSession& p, bool iso, bool border, Extended vpLeft, Extended vpBottom,
               Extended vpRight, Extended vpTop, Extended xmin, Extended ymin, Extended xmax,
               Extended ymax) {
  if (p.graphic.SetWindow(iso, border, vpLeft, vpBottom, vpRight, vpTop, xmin, ymin, xmax, ymax)) {
    return true;
  }
  p.cancel = true;
  return false;
}

void OutTextXY(GraphicSession& p, Extended x, Extended y, const std::string& text) {
  p.graphic.OutTextXY(x, y, base::CharCount(text) > kMaxTextChars ? std::string() : text);
}

void DrawLogo(GraphicSession& p) {
  p.graphic.Clear();
  if (!p.graphic.DrawLogo()) p.cancel = true;
  p.graphic.ClearViewPort();
}

void ShowMessage(GraphicSession& p, const std::string& text) {
  model::ShowInfo(p, text);
}

bool CheckFileReadable(GraphicSession& p, const std::string& name) {
  if (const int fd = base::OpenRegularFile(name); fd >= 0) {
    ::close(fd);
    return true;
  }
  model::ShowInfo(p, name + " nicht gefunden" + " !");
  p.cancel = true;
  return false;
}

}  // namespace kv40::cad
