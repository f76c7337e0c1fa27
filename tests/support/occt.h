// Reading an IGES file with Open CASCADE (occt-draw), the outside check of the IGES device.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kv40::test {

struct OcctReading {
  bool ran = false;                    // occt-draw ran and printed its check list
  std::vector<std::string> failLines;  // lines of the check list with "F:"
  std::string checkList;               // what "data c" printed
  // bounding box of all transferred geometry (x, y); empty when nothing was transferred
  bool hasBox = false;
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

// Loads the file (xnorm IGES, xload, data c), then transfers it (igesread) and measures it
// (bounding). The box is taken over the transferred shapes, so the tolerance OCCT adds (1e-7)
// stays in it.
OcctReading ReadWithOcct(const std::filesystem::path& igs);

// The extents of a DXF's geometry as ezdxf resolves it (inserts and polylines taken apart),
// without its texts, which IGES readers do not turn into geometry. hasBox false when ezdxf
// could not read the file.
OcctReading DxfGeometryBox(const std::filesystem::path& dxf);

}  // namespace kv40::test
