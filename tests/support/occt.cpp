// Reading an IGES file with Open CASCADE's draw harness in batch mode.
#include "support/occt.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace kv40::test {
namespace {

std::string Shell(const std::string& cmd) {
  std::string out;
  FILE* f = popen(cmd.c_str(), "r");
  if (f == nullptr) return out;
  char buf[4096];
  while (std::fgets(buf, sizeof buf, f) != nullptr)
    out += buf;
  pclose(f);
  return out;
}

}  // namespace

OcctReading ReadWithOcct(const std::filesystem::path& igs) {
  OcctReading r;
  const std::filesystem::path tcl = igs.string() + ".tcl";
  {
    std::ofstream out(tcl);
    out << "pload ALL\n"
        << "xnorm IGES\n"
        << "puts [xload {" << igs.string() << "}]\n"
        << "puts [data c]\n"
        << "puts \"== transfer\"\n"
        << "igesread {" << igs.string() << "} shape *\n"
        << "if {[isdraw shape]} { puts \"box [bounding shape]\" }\n";
  }
  const std::string out = Shell("cd '" + igs.parent_path().string() + "' && occt-draw -b -f '" +
                                tcl.string() + "' 2>&1");
  std::filesystem::remove(tcl);
  std::istringstream lines(out);
  std::string line;
  bool inCheck = false;
  while (std::getline(lines, line)) {
    if (line.find("Loaded File") != std::string::npos) {
      inCheck = true;
      r.ran = true;
    }
    if (line.rfind("== transfer", 0) == 0) inCheck = false;
    if (inCheck) r.checkList += line + "\n";
    if (inCheck && line.find("F:") != std::string::npos) r.failLines.push_back(line);
    if (line.rfind("box ", 0) == 0) {
      double z0 = 0, z1 = 0;
      std::istringstream in(line.substr(4));
      if (in >> r.xmin >> r.ymin >> z0 >> r.xmax >> r.ymax >> z1) r.hasBox = true;
    }
  }
  return r;
}

OcctReading DxfGeometryBox(const std::filesystem::path& dxf) {
  const std::filesystem::path py = dxf.string() + ".py";
  {
    std::ofstream out(py);
    out << "import sys, ezdxf\n"
        << "from ezdxf import bbox, disassemble\n"
        << "doc = ezdxf.readfile(sys.argv[1])\n"
        << "ents = [e for e in disassemble.recursive_decompose(doc.modelspace())\n"
        << "        if e.dxftype() not in ('TEXT', 'MTEXT', 'ATTRIB')]\n"
        << "b = bbox.extents(ents)\n"
        << "print('box', b.extmin[0], b.extmin[1], b.extmax[0], b.extmax[1])\n";
  }
  const std::string out =
      Shell("/usr/bin/python3 '" + py.string() + "' '" + dxf.string() + "' 2>&1");
  std::filesystem::remove(py);
  OcctReading r;
  const auto at = out.find("box ");
  if (at != std::string::npos) {
    std::istringstream in(out.substr(at + 4));
    if (in >> r.xmin >> r.ymin >> r.xmax >> r.ymax) r.hasBox = true;
  }
  return r;
}

}  // namespace kv40::test
