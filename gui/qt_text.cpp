// GBK and UTF-16 conversions at the window's border.
#include "qt_text.h"

#include <QStringList>
#include <algorithm>

#include "base/gbk.h"
#include "sheet/answer_pane.h"

namespace zarnix {

QString ToQt(std::string_view gbk) {
  const std::string utf8 = GbkToUtf8(gbk);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQt(const QString& text) {
  return Utf8ToGbk(text.toStdString());
}

QString QtPath(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

std::filesystem::path PathFromQt(const QString& path) {
  return path.toStdString();
}

QString PaneText(const AnswerPane& pane) {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(pane.Lines().size()));
  for (const std::string& line : pane.Lines()) lines.append(ToQt(line));
  return lines.join(QLatin1Char('\n'));
}

std::string PaneTextFromQt(const QString& widgetText) {
  QString text = widgetText;
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return FromQt(text);
}

std::size_t PaneOffsetFromQt(const QString& widgetText, int position) {
  const int clamped = std::clamp(position, 0, static_cast<int>(widgetText.size()));
  return PaneTextFromQt(widgetText.left(clamped)).size();
}

int QtPositionFromPane(std::string_view paneText, std::size_t offset) {
  QString head = ToQt(paneText.substr(0, std::min(offset, paneText.size())));
  head.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return static_cast<int>(head.size());
}

QString QtFileFilter(std::string_view filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString patterns = i + 1 < parts.size() ? parts[i + 1] : description;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters.append(description + QLatin1String(" (") + patterns + QLatin1Char(')'));
  }
  return filters.join(QLatin1String(";;"));
}

}  // namespace zarnix
