#include "ui/report_window/report_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/widgets/to_qstring.h"

namespace sw::ui {
namespace {

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

}  // namespace

QString ToBoxText(std::string_view reportText) { return ToQString(reportText); }

std::string ToReportText(const QString& boxText) {
  QString report;
  report.reserve(boxText.size());
  for (qsizetype i = 0; i < boxText.size(); ++i) {
    const QChar c = boxText[i];
    if (!IsLineBreak(c)) {
      report.append(c);
      continue;
    }
    if (c == u'\r' && i + 1 < boxText.size() && boxText[i + 1] == u'\n') ++i;
    report.append(u'\n');
  }
  return report.toStdString();
}

// A text just produced holds no changes of the user's.
void SetReportText(QPlainTextEdit& box, const QString& boxText) {
  box.setPlainText(boxText);
  box.document()->setModified(false);
}

// The raw text keeps what the user typed: toPlainText() would turn a
// no-break space into a plain one.
std::string ReportText(const QPlainTextEdit& box) {
  return ToReportText(box.document()->toRawText());
}

}  // namespace sw::ui
