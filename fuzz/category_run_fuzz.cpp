// A whole category run on a fuzzed worksheet, as a user who opens a table file and presses
// the run button: the first byte picks the category, the second the current row and the
// file's format, the rest is the file. Prompts take their defaults.
#include <string>

#include "app/category_table.h"
#include "app/tform1.h"
#include "base/clock.h"
#include "base/scripted_ui.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarnix;
  if (size < 2) return 0;
  const int category = data[0] % kCategoryCount;
  const std::string ending = data[1] & 1 ? ".thf" : ".txt";
  const auto path = fuzz::ScratchFile(fuzz::Text(data + 2, size - 2), ending);
  fuzz::Guarded([&] {
    ScriptedUi ui;
    ManualClock clock{45000.5};
    FormOptions options;
    options.dataDir = ZARNIX_FUZZ_DATA_DIR;
    options.outDir = std::filesystem::temp_directory_path();
    TForm1 form(ui, clock, nullptr, options);
    form.FormCreate();
    form.FormShowWithoutSelection();
    // The category as a selection leaves it, without the run of its shipped worksheet.
    const std::string name = kCategoryTable[category].name;
    form.CategoryIndex = category;
    form.BitBtn1.caption = name;
    for (std::size_t i = 0; i < form.RadioGroup1.items.size(); ++i)
      if (form.RadioGroup1.items[i] == name) form.RadioGroup1.itemIndex = static_cast<int>(i);
    form.OpenGridFile(path);
    form.StringGrid1.SetRow(data[1] >> 1);
    form.BitBtn1Click();
  });
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return 0;
}
