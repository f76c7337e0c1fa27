// The help images of KV40, drawn as HP-GL plot files (160 x 120 mm) by the build.
#pragma once

#include <string>
#include <vector>

namespace kv40::tools {

struct HelpImage {
  std::string name;  // file name without ".plt", at most 8 characters
  std::string info;  // the index's description, at most 50 characters
  std::string plot;  // the HP-GL text
};

std::vector<HelpImage> HelpImages();

}  // namespace kv40::tools
