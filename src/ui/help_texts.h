#pragma once

#include <QString>
#include <QStringList>

namespace sw::ui {

struct HelpText {
  QString title;
  QStringList lines;

  // The lines joined by "\r\n", with no break before the first line or
  // after the last.
  QString prompt() const { return lines.join(QStringLiteral("\r\n")); }
};

HelpText HowToText();          // frmAPIN, Help, How To
HelpText LoanAboutText();      // frmAPIN, Help, About
HelpText DrawDownAboutText();  // frmDrawDown, Help, About
HelpText WhatIsThisText();     // frmDrawDown, Help, What Is This?

}  // namespace sw::ui
