// dlopen of the GUI module with clear messages for every way it can fail.
#include "app/gui_loader.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kv40::app {
namespace {

bool EnvSet(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

}  // namespace

bool DisplayAvailable() {
  return EnvSet("DISPLAY") || EnvSet("WAYLAND_DISPLAY") || EnvSet("QT_QPA_PLATFORM");
}

std::string GuiModulePath() {
  if (const char* env = std::getenv("KV40_GUI_MODULE"); env != nullptr && *env != '\0') {
    return env;
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  const auto exe = fs::read_symlink("/proc/self/exe", ec);
  const fs::path dir = ec ? fs::path(".") : exe.parent_path();
  // the build tree keeps the module beside the program, an installation in lib/kv40
  const fs::path beside = dir / kGuiModuleName;
  const fs::path installed = (dir / ".." / "lib" / "kv40" / kGuiModuleName).lexically_normal();
  if (!fs::exists(beside, ec) && fs::exists(installed, ec)) return installed.string();
  return beside.string();
}

int RunGuiModule(Program& p, int argc, char** argv) {
  const std::string path = GuiModulePath();
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    std::fprintf(stderr,
                 "KV40: Die Bedienoberfläche kann nicht geladen werden (%s).\n"
                 "Ohne Oberfläche: kv40 <Datei>.k40 /I /NOGUI\n",
                 dlerror());
    return 1;
  }
  auto abi = reinterpret_cast<GuiAbiFn>(dlsym(module, "kv40_gui_abi"));
  auto run = reinterpret_cast<GuiRunFn>(dlsym(module, "kv40_gui_run"));
  if (abi == nullptr || run == nullptr || abi() != kGuiAbiVersion) {
    std::fprintf(stderr, "KV40: %s ist kein passendes Oberflächenmodul dieser Programmversion.\n",
                 path.c_str());
    dlclose(module);
    return 1;
  }
  // The module stays loaded until the process ends: Qt registers exit handlers.
  return run(&p, argc, argv);
}

}  // namespace kv40::app
