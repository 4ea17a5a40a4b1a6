// A window model on a scripted Ui, a manual clock and a temporary data folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/tform1.h"
#include "base/clock.h"
#include "base/scripted_ui.h"
#include "base/textfile.h"

namespace zarnix {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dataDir_ = std::filesystem::temp_directory_path() /
               (std::string("zarnix_form_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dataDir_);
    std::filesystem::create_directories(dataDir_);
    WriteTextLines(dataDir_ / PathFromGbk("zarnix数据.txt"), {"///"});
  }
  void TearDown() override { std::filesystem::remove_all(dataDir_); }

  TForm1& MakeForm(ScreenSize screen = {}) {
    FormOptions options;
    options.dataDir = dataDir_;
    options.outDir = dataDir_;
    options.screen = screen;
    form_ = std::make_unique<TForm1>(ui_, clock_, nullptr, options);
    form_->FormCreate();
    return *form_;
  }

  ScriptedUi ui_;
  ManualClock clock_;
  std::filesystem::path dataDir_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace zarnix
