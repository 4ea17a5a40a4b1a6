// zarnix: the desktop window. With --screenshot it writes a PNG of the start-up window and
// ends, for checking the window's look on a virtual display; --picture opens a picture on
// the image page first.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>

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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zarnix"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Zarnix calculation compendium"));
  parser.addHelpOption();
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
  parser.process(app);

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
