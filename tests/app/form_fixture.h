// A window model on a scripted Ui, a manual clock and a temporary data folder.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "base/clock.h"
#include "base/scripted_ui.h"
#include "base/textfile.h"
#include "support/temp_dir.h"

namespace zarnix {

class FormTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    dataDir_ = dir_;
    outDir_ = dir_;
    WriteTextLines(dataDir_ / PathFromGbk("zarnix数据.txt"), {"///"});
  }

  TForm1& MakeForm(ScreenSize screen = {}) {
    FormOptions options;
    options.dataDir = dataDir_;
    options.outDir = outDir_;
    options.screen = screen;
    form_ = std::make_unique<TForm1>(ui_, clock_, nullptr, options);
    form_->FormCreate();
    return *form_;
  }

  // The messages shown, without the notes about category worksheets, which a test's own data
  // folder does not hold.
  std::vector<std::string> Messages() const {
    std::vector<std::string> shown;
    for (const std::string& message : ui_.Messages())
      if (!message.starts_with(kMissingSheetMessage)) shown.push_back(message);
    return shown;
  }

  ScriptedUi ui_;
  ManualClock clock_;
  std::filesystem::path dataDir_;
  std::filesystem::path outDir_;  // the data folder unless a test moves it
  std::unique_ptr<TForm1> form_;
};

}  // namespace zarnix
