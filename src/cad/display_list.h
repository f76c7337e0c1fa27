// The display list of the graphic window: every drawing call as one record, replayed on paint.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv40::cad {

// Record codes; the text form of a record starts with the number.
enum class RecordCode : std::uint8_t {
  kMoveTo = 1,      // x; y (read only)
  kLineTo = 2,      // x; y (read only)
  kCircle = 3,      // xc; yc; r
  kLine = 4,        // x1; y1; x2; y2
  kArc = 5,         // xl; yl; xr; yr (bounding square); xs; ys (start); xe; ye (end)
  kText = 6,        // x; y; text (the rest of the line, may hold ";")
  kSolid = 7,       // four corners, filled
  kColor = 8,       // n
  kTextStyle = 9,   // height; width; n; angle
  kWindow = 10,     // ViewX0; ViewY0; ViewX1; ViewY1; xmin; ymin; xmax; ymax
  kLineStyle = 11,  // n
  kLineWidth = 12,  // n
  kSleep = 13,      // milliseconds
};

// Number of numeric fields of a record (the text of code 6 not counted); 0 for no code.
int FieldCount(RecordCode code);
// True when field `index` of the code is an integer (written without decimals).
bool IsIntegerField(RecordCode code, int index);

// A real as the text form keeps it: at most 8 significant digits.
double RoundToRecord(double value);

// One record as stored.
struct RecordView {
  RecordCode code;
  std::span<const double> v;
  std::string_view text;  // only code 6
};

class DisplayList {
 public:
  // Appends a record; reals are rounded as the text form writes them, integer fields to
  // whole numbers. The number of values must match the code.
  void Add(RecordCode code, std::initializer_list<double> values);
  void AddText(double x, double y, std::string_view text);
  // Reads one line of the text form; false (nothing appended) when it is not a record.
  bool AddLine(std::string_view line);

  void Clear();
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  RecordView operator[](std::size_t i) const;
  // Changes with every Clear, so a running replay sees that its list is gone.
  std::uint64_t Generation() const { return generation_; }

  // Record i in its text form: "4;0;0;10.5;3".
  std::string Line(std::size_t i) const;
  std::vector<std::string> Lines() const;

 private:
  struct Entry {
    std::size_t first;   // first value in values_
    std::uint32_t text;  // index into texts_ (code 6)
    RecordCode code;
  };
  std::vector<Entry> entries_;
  std::vector<double> values_;
  std::vector<std::string> texts_;
  std::uint64_t generation_ = 0;
};

}  // namespace kv40::cad
