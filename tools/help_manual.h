// The user manual as one HTML page, made from the help texts and help images.
#pragma once

#include <filesystem>
#include <string>

namespace kv40::tools {

// Reads quentar.hlp, kv40.hlp and the images from helpDir and writes index.html and one SVG
// file per image into outDir. Returns an error text, empty on success: every entry of the
// outline must exist and every entry of the help files must be in the outline.
std::string WriteManual(const std::filesystem::path& helpDir, const std::filesystem::path& outDir);

}  // namespace kv40::tools
