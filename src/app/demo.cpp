// Running the presentation, with the user's state kept aside.
#include "app/demo.h"

#include <filesystem>

#include "app/commands.h"
#include "base/text.h"
#include "config/config_file.h"
#include "model/dialogs.h"
#include "model/input_file.h"

namespace kv40::app {
namespace {

// What the presentation changes and puts back: the connection with everything that belongs
// to it, and the command's flags.
class KeptState {
 public:
  explicit KeptState(Program& p)
      : p_(p),
        connection_(p.connection),
        toothForm_(p.toothForm),
        docu_(p.docu),
        currentFile_(p.currentFile),
        dataDir_(p.dataDir),
        modified_(p.modified),
        startedWithFile_(p.startedWithFile),
        forcedDevice_(p.writer.forcedDevice) {}
  ~KeptState() {
    p_.connection = std::move(connection_);
    p_.toothForm = toothForm_;
    p_.docu = std::move(docu_);
    p_.currentFile = std::move(currentFile_);
    p_.dataDir = std::move(dataDir_);
    p_.modified = modified_;
    p_.startedWithFile = startedWithFile_;
    p_.writer.forcedDevice = forcedDevice_;
    p_.cancel = false;
  }
  KeptState(const KeptState&) = delete;
  KeptState& operator=(const KeptState&) = delete;

 private:
  Program& p_;
  model::SpecState connection_;
  model::ToothFormOptions toothForm_;
  model::DocuData docu_;
  std::string currentFile_;
  std::string dataDir_;
  bool modified_;
  bool startedWithFile_;
  std::optional<report::Device> forcedDevice_;
};

}  // namespace

void RunDemo(Program& p, Shell& shell) {
  p.cancel = false;
  const std::string sample = base::AddBackslash(config::BundledDataDir()) + kDemoSample;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(sample, ec)) {
    model::ShowError(p, "Demo: " + sample + " not found !");
    return;
  }
  {
    const KeptState kept(p);
    // the sample is the file being worked on: its name in the report headers and titles
    p.startedWithFile = false;
    p.dataDir = base::AddBackslash(config::BundledDataDir());
    if (OpenInputFile(p, model::SplitFileName(kDemoSample).name)) {
      const std::vector<DemoStep> steps = DemoSteps(p);
      const int n = static_cast<int>(steps.size());
      for (int i = 0; i < n; ++i) {
        const DemoStep& step = steps[static_cast<std::size_t>(i)];
        p.cancel = false;
        // the last step's report goes; its caption before the picture, which may move
        p.GetDesktop().CloseTextWindow();
        shell.DemoCaption(step.caption, i + 1, n);
        step.show(p, shell);
        // a picture that could not be shown does not end the presentation
        p.cancel = false;
        if (!shell.DemoStep(step.caption, i + 1, n, step.pauseMs)) break;
      }
    }
    // the sample's report is not the user's
    p.GetDesktop().CloseTextWindow();
    shell.EndDemo();
  }
  shell.Refresh();
  shell.UpdateTitle();
}

}  // namespace kv40::app
