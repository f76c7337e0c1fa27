// Replay of the display list onto a QPainter.
#include "gui/cad/replay.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLine>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QVarLengthArray>
#include <cmath>
#include <vector>

#include "gui/cad/raster_lines.h"
#include "gui/cad/replay_text.h"

namespace kv40::cad {

namespace {

constexpr double kRadToDeg = 180.0 / 3.14159265358979323846;

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

Qt::PenStyle PenStyleFor(int n) {
  switch (n) {
    case kDottedLine:
      return Qt::DotLine;
    case kDashDotLine:
      return Qt::DashDotLine;
    case kDashedLine:
      return Qt::DashLine;
    default:
      return Qt::SolidLine;
  }
}

// Angle in degrees, counter-clockwise as seen on the device, of p around c.
double DeviceAngle(QPointF c, QPointF p) {
  return std::atan2(-(p.y() - c.y()), p.x() - c.x()) * kRadToDeg;
}

class Replayer {
 public:
  Replayer(GraphicState& g, QPainter& painter, const ReplayOptions& o, WorldFrame* painted)
      : g_(g), painter_(painter), o_(o), painted_(painted) {
    pass_.colorDisplay = g.ColorDisplay;
    pass_.printing = o.printing;
    pass_.printColorMode = g.PrintColorMode;
    pass_.background = RgbFromColorRef(g.BackgroundColor);
  }

  ReplayResult Run();

 private:
  DeviceMapping Mapping() const {
    const QPaintDevice* d = painter_.device();
    return o_.printing ? g_.PrinterMapping(d->width(), d->height()) : g_.ScreenMapping();
  }
  QPoint Map(double x, double y) const { return {m_.X(x), m_.Y(y)}; }
  void Flush() {
    if (lines_.empty()) return;
    const int n = static_cast<int>(lines_.size());
    if (image_ != nullptr && pen_.style() == Qt::SolidLine && pen_.width() <= 1) {
      RasterLines(*image_, lines_.data(), n, pen_.color().rgb());
    } else {
      painter_.drawLines(lines_.data(), n);
    }
    lines_.clear();
  }
  void SetPen() { painter_.setPen(pen_); }
  void Border();
  bool Step(const RecordView& r);
  void Arc(const RecordView& r);

  GraphicState& g_;
  QPainter& painter_;
  QImage* image_ = nullptr;  // set when lines may go straight into the picture
  const ReplayOptions& o_;
  WorldFrame* painted_;
  PassColors pass_;
  DeviceMapping m_;
  QPen pen_;
  QColor fill_;
  QPoint cursor_;
  std::vector<QLine> lines_;
  TextState text_;
  bool framePending_ = true;
};

ReplayResult Replayer::Run() {
  g_.BeginReplay();
  m_ = Mapping();
  text_.color = 1;
  fill_ = ToQColor(*PenColor(pass_, 1));
  pen_ = QPen(fill_, o_.printing ? 4 : 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  // Plain lines go straight into a 32-bit picture painted without transformation or clip;
  // the painter writes into the same pixels, so the order of the records is kept.
  QPaintDevice* device = painter_.device();
  if (!o_.printing && device->devType() == QInternal::Image && !painter_.hasClipping() &&
      painter_.transform().isIdentity() && CanRasterLines(*static_cast<QImage*>(device))) {
    image_ = static_cast<QImage*>(device);
  }
  painter_.setBrush(Qt::NoBrush);
  SetPen();
  if (o_.printing && g_.PrintBorder) Border();
  const std::uint64_t generation = g_.displayList.Generation();
  lines_.reserve(4096);
  for (std::size_t i = 0; i < g_.displayList.size(); ++i) {
    if (i > 0 && i % kReplayEventInterval == 0 && o_.keepGoing) {
      Flush();
      // pending events may have cleared the list or asked to stop
      if (!o_.keepGoing() || g_.displayList.Generation() != generation) {
        return ReplayResult::kCancelled;
      }
      if (i >= g_.displayList.size()) break;
    }
    if (!Step(g_.displayList[i])) return ReplayResult::kBadWindow;
  }
  Flush();
  return ReplayResult::kDone;
}

void Replayer::Border() {
  if (g_.ColorDisplay) {
    pen_.setColor(ToQColor(kPalette[11]));
    SetPen();
  }
  const QPoint a = Map(g_.WorldXMin, g_.WorldYMin), b = Map(g_.WorldXMin, g_.WorldYMax);
  const QPoint c = Map(g_.WorldXMax, g_.WorldYMax), d = Map(g_.WorldXMax, g_.WorldYMin);
  const QLine frame[] = {{a, b}, {b, c}, {c, d}, {d, a}};
  painter_.drawLines(frame, 4);
}

bool Replayer::Step(const RecordView& r) {
  const auto& v = r.v;
  if (r.code == RecordCode::kLine) {
    lines_.emplace_back(Map(v[0], v[1]), Map(v[2], v[3]));
    if (framePending_ && painted_ != nullptr) *painted_ = g_.Frame();
    framePending_ = false;
    return true;
  }
  Flush();
  switch (r.code) {
    case RecordCode::kMoveTo:
      cursor_ = Map(v[0], v[1]);
      break;
    case RecordCode::kLineTo: {
      const QPoint p = Map(v[0], v[1]);
      painter_.drawLine(cursor_, p);
      cursor_ = p;
      break;
    }
    case RecordCode::kCircle: {
      painter_.setBrush(Qt::NoBrush);
      const QPoint tl = Map(v[0] - v[2], v[1] + v[2]), br = Map(v[0] + v[2], v[1] - v[2]);
      painter_.drawEllipse(QRect(tl.x(), tl.y(), br.x() - tl.x(), br.y() - tl.y()));
      break;
    }
    case RecordCode::kArc:
      Arc(r);
      break;
    case RecordCode::kText:
      DrawRecordText(painter_, g_, m_, text_, pass_, v[0], v[1], r.text);
      break;
    case RecordCode::kSolid: {
      painter_.setBrush(fill_);
      const QPoint pts[] = {Map(v[0], v[1]), Map(v[2], v[3]), Map(v[4], v[5]), Map(v[6], v[7])};
      painter_.drawPolygon(pts, 4);
      painter_.setBrush(Qt::NoBrush);
      break;
    }
    case RecordCode::kColor: {
      const int n = static_cast<int>(v[0]);
      text_.color = n;
      if (const auto c = PenColor(pass_, n)) {
        fill_ = ToQColor(*c);
        pen_.setColor(fill_);
        SetPen();
      }
      break;
    }
    case RecordCode::kTextStyle:
      text_.height = v[0] * 1.6 * static_cast<double>(g_.TextHeightFactor);
      text_.width = v[1] * 1.1 * static_cast<double>(g_.TextWidthFactor);
      text_.angle = v[3];
      break;
    case RecordCode::kWindow:
      if (!g_.ApplyWindowRecord(r)) return false;
      m_ = Mapping();
      framePending_ = true;
      return true;
    case RecordCode::kLineStyle:
      pen_.setStyle(PenStyleFor(static_cast<int>(v[0])));
      SetPen();
      break;
    case RecordCode::kLineWidth: {
      const int n = static_cast<int>(v[0]);
      pen_.setWidth(o_.printing ? 4 * n : n);
      SetPen();
      break;
    }
    case RecordCode::kSleep:
      if (!o_.printing && o_.sleep) o_.sleep(static_cast<int>(v[0]));
      return true;
    case RecordCode::kLine:  // taken above
      break;
  }
  if (framePending_ && painted_ != nullptr && r.code <= RecordCode::kSolid) {
    *painted_ = g_.Frame();
    framePending_ = false;
  }
  return true;
}

// The arc runs counter-clockwise from the start to the end point around the centre of its
// bounding square; equal points draw the whole circle.
void Replayer::Arc(const RecordView& r) {
  const auto& v = r.v;
  const QPoint lb = Map(v[0], v[1]), rt = Map(v[2], v[3]);
  const QRectF box(QPointF(lb.x(), rt.y()), QPointF(rt.x(), lb.y()));
  const QPointF c = box.center();
  const double a1 = DeviceAngle(c, Map(v[4], v[5]));
  const double a2 = DeviceAngle(c, Map(v[6], v[7]));
  double span = a2 - a1;
  if (span <= 0) span += 360;
  painter_.setBrush(Qt::NoBrush);
  painter_.drawArc(box, static_cast<int>(std::lround(a1 * 16)),
                   static_cast<int>(std::lround(span * 16)));
}

}  // namespace

ReplayResult ReplayDisplayList(GraphicState& g, QPainter& painter, const ReplayOptions& options,
                               WorldFrame* painted) {
  return Replayer(g, painter, options, painted).Run();
}

}  // namespace kv40::cad
