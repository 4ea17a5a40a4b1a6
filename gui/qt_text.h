// Text at the border between the model (GBK bytes) and Qt (UTF-16): conversions, the answer
// pane's text and selection offsets, paths and file-dialog filters.
#pragma once

#include <QString>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zarnix {

class AnswerPane;

QString ToQt(std::string_view gbk);
std::string FromQt(const QString& text);

QString QtPath(const std::filesystem::path& path);
std::filesystem::path PathFromQt(const QString& path);

// The pane's lines joined with "\n", as a plain-text widget holds them.
QString PaneText(const AnswerPane& pane);
// The widget's text with its "\n" line breaks as the pane's GBK text with CR LF.
std::string PaneTextFromQt(const QString& widgetText);
// A cursor position in the widget's text as a byte offset into the pane's text, and back.
std::size_t PaneOffsetFromQt(const QString& widgetText, int position);
int QtPositionFromPane(std::string_view paneText, std::size_t offset);

// The model's filter "description|patterns|description|patterns" (patterns separated by
// ";") as a Qt file-dialog filter "description (pattern pattern);;...".
QString QtFileFilter(std::string_view filter);

}  // namespace zarnix
