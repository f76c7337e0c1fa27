// The IGES device of the drawing kernel: lines, arcs, circles, filled quadrilaterals, notes,
// subfigure definitions and instances in the fixed 80-column form of IGES (version flag 4).
// The sections are kept in memory; Finish writes the file through a temporary file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "cad/cad_output.h"
#include "model/config.h"

namespace kv40::cad {

class IgesWriter final : public CadOutput {
 public:
  using Report = std::function<void(const std::string&)>;
  // file: the output file; its name without folder and extension goes into the Global
  // section. report records the writer's findings in the drawing's messages.
  IgesWriter(const model::Config& config, const base::DateTime& now, std::string file,
             Report report);

  void Limits(Extended xmin, Extended ymin, Extended xmax, Extended ymax) override;
  void Layer(int layer) override;
  void Line(Extended x1, Extended y1, Extended x2, Extended y2) override;
  void Circle(Extended xc, Extended yc, Extended r) override;
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) override;
  void Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) override;
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4) override;
  void Block(const std::string& name) override;
  void EndBlock() override;
  void Insert(const std::string& name, Extended x, Extended y, Extended angle, Extended sx,
              Extended sy) override;
  bool Finish() override;

  // The whole file as it would be written now (Start, Global, Directory, Parameter sections
  // and the Terminate line).
  std::string Bytes() const;

 private:
  // One call inside a subfigure, kept to draw the subfigure again at another scale.
  struct Record {
    enum Kind { kLine, kArc, kCircle, kText, kSolid, kInsert } kind = kLine;
    int colour = 0, lineFont = 1;
    Extended v[8] = {};
    std::string text;
    CadTextFormat format;
  };
  struct Subfigure {
    std::string name;  // at most 8 characters
    int de = 0;        // directory entry of its definition
    std::vector<Record> records;
    std::size_t statusAt = 0;  // where the status of its first D line stands in directory_
    bool instanced = false;    // an instance (408) refers to it
  };
  // Where a scaled subfigure's contents go: turned by angle (degrees), scaled by s, then moved.
  struct Placing {
    Extended x = 0, y = 0, angle = 0, s = 1;
  };
  struct Entity {
    int type = 0;
    std::string transform;  // transformation field: blank, "0" or a DE pointer
    std::string form;
    std::string label;
  };

  void Header(const std::string& name, Extended maxCoordinate);
  void Keep(Record r);
  // Draws a scaled instance as its contents: readers place instances by turning and moving
  // only, so a scale factor of an instance alone gives them a wrong size.
  void Expand(const Subfigure& sub, const Placing& at, int depth);
  Subfigure* Find(const std::string& name);
  std::string Num(Extended v) const;
  // Starts an entity: its DE pointer, joined to the open subfigure.
  int BeginEntity(bool member = true);
  // One group of parameter text as P lines of the current entity.
  void ParamGroup(const std::string& text);
  void EndEntity(const Entity& e, bool dependent);
  void Section(std::string& out, int& count, char letter, const std::string& content,
               const std::string& field = {});

  model::Config config_;
  base::NumberFormat nf_;  // the configured decimals, always with "."
  base::DateTime now_;
  std::string file_;
  Report report_;

  std::string start_, directory_, parameters_;
  int countS_ = 0, countG_ = 0, countD_ = 0, countP_ = 0;
  int entityDE_ = -1, paramStart_ = 1, paramLines_ = 0;
  int lineFont_ = 1, colour_ = 0;
  bool headerDone_ = false;
  bool inSubfigure_ = false;
  std::vector<int> members_;
  std::vector<Subfigure> subfigures_;
};

// The IGES colour of a program colour 1..15 (0 for any other).
int IgesColour(int programColour);
// The text as IGES carries it: ASCII only, umlauts transliterated ("Ä" gives "Ae"), control
// characters as blanks, anything else as "?".
std::string IgesText(const std::string& utf8);

}  // namespace kv40::cad
