// DXF files checked by ezdxf (Debian's python3-ezdxf): strict reading, audit, layer table, and
// the geometry compared with the graphic window's display list.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kv40::test {

// "ok", or the problems ezdxf found: any audit error or fix (except the one fix ezdxf 0.18
// reports for the SEQEND of a POLYLINE inside a BLOCK), and with checkLayers every layer an
// entity uses that the LAYER table lacks.
std::string EzdxfAudit(const std::filesystem::path& dxf, bool checkLayers = false);

// "ok" when the display list (its text lines) holds the same lines, circles, arcs, texts and
// solids as the DXF's model space with inserts and polylines resolved; else the differences.
std::string CompareWithDisplayList(const std::filesystem::path& dxf,
                                   const std::vector<std::string>& displayList);

// Runs a command through the shell; its standard output, plus "exit <status>" when it failed.
std::string Shell(const std::string& command);

}  // namespace kv40::test
