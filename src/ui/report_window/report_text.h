#pragma once

#include <QString>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace sw::ui {

// Report text ends its lines with "\n", as the text box holds them (one
// block per line); only a report file writes "\r\n". These are the only
// conversions between report text and the box, so what the report builds,
// what the box shows and what the file commands write agree.

// The report's text as the box takes it: UTF-8 decoded.
QString ToBoxText(std::string_view reportText);

// The box's text as a report: every line break, whether typed, pasted or
// set ("\n", "\r\n", a lone "\r", U+2028, U+2029), becomes "\n"; UTF-8.
std::string ToReportText(const QString& boxText);

// Replaces the box's whole text with `boxText` (see ToBoxText) at once,
// without an undo step.
void SetReportText(QPlainTextEdit& box, const QString& boxText);

// The box's current text, user edits included, exactly as the user sees it.
std::string ReportText(const QPlainTextEdit& box);

}  // namespace sw::ui
