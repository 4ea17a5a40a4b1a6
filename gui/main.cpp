// zarnix: the desktop window. With --screenshot it writes a PNG of the start-up window and
// ends, for checking the window's look on a virtual display; --picture opens a picture on
// the image page first.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/data_location.h"
#include "main_window.h"
#include "qt_text.h"

namespace {

zarnix::FormOptions OptionsFrom(const QCommandLineParser& parser, const QScreen* screen) {
  using namespace zarnix;
  FormOptions options;
  std::optional<std::filesystem::path> dataDir;
  if (parser.isSet(QStringLiteral("data-dir")))
    dataDir = PathFromQt(parser.value(QStringLiteral("data-dir")));
  options.dataDir = ResolveDataDir(dataDir, std::getenv("ZARNIX_DATA"), ExecutableDir());
  options.outDir = parser.isSet(QStringLiteral("out-dir"))
                       ? PathFromQt(parser.value(QStringLiteral("out-dir")))
                       : std::filesystem::current_path();
  if (screen) options.screen = {screen->size().width(), screen->size().height()};
  return options;
}

// Saves what the screen shows (the window and any message over it) once the start-up has
// had time to draw, then ends the program.
void ScheduleScreenshot(zarnix::MainWindow& window, const QString& file, int delayMs) {
  QTimer::singleShot(delayMs, &window, [&window, file] {
    QScreen* screen = window.screen();
    const QPixmap shot = QGuiApplication::platformName() == QLatin1String("xcb") && screen
                             ? screen->grabWindow(0)
                             : window.grab();
    const bool saved = shot.save(file, "PNG");
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

// --help and --version only print text, so they get a plain application and work without a
// display; everything else gets the window's.
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
      return std::make_unique<QCoreApplication>(argc, argv);
  }
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  const std::unique_ptr<QCoreApplication> app = CreateApplication(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zarnix"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZARNIX_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Zarnix calculation compendium"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({QStringLiteral("data-dir"), QStringLiteral("Folder of the data files."),
                    QStringLiteral("dir")});
  parser.addOption({QStringLiteral("out-dir"),
                    QStringLiteral("Folder for saved results and plots."), QStringLiteral("dir")});
  parser.addOption({QStringLiteral("screenshot"),
                    QStringLiteral("Write a PNG of the start-up window and quit."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("picture"),
                    QStringLiteral("Open this picture on the image page and show that page."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("screenshot-delay"),
                    QStringLiteral("Milliseconds before the screenshot (default 2000)."),
                    QStringLiteral("ms"), QStringLiteral("2000")});
  parser.process(*app);
  // Reached with a plain application only when a help word was an option's value.
  if (!qobject_cast<QApplication*>(app.get())) parser.showHelp(2);

  // Lets the desktop match the window to its menu entry and icon; the installed icon theme
  // gives the window its icon where the desktop does not.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zarnix.zarnix"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.zarnix.zarnix")));

  zarnix::MainWindow window(OptionsFrom(parser, QGuiApplication::primaryScreen()));
  if (parser.isSet(QStringLiteral("picture"))) {
    const std::filesystem::path picture =
        zarnix::PathFromQt(parser.value(QStringLiteral("picture")));
    // After the first show, which loads the start-up picture.
    QTimer::singleShot(500, &window, [&window, picture] {
      window.Form().OpenPictureFile(picture);
      window.Form().ActivePage = zarnix::Page::kImage;
      window.Render();
    });
  }
  if (parser.isSet(QStringLiteral("screenshot"))) {
    ScheduleScreenshot(window, parser.value(QStringLiteral("screenshot")),
                       parser.value(QStringLiteral("screenshot-delay")).toInt());
  }
  // Without a window manager (a virtual display) nothing maximises the window but this.
  if (const QScreen* screen = window.screen()) window.resize(screen->availableGeometry().size());
  window.showMaximized();
  return QApplication::exec();
}
