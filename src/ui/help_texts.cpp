#include "ui/help_texts.h"

namespace sw::ui {
namespace {

const QString kUsingTitle = QStringLiteral("Using the Sumwright Calculator");

// Both About boxes have three empty lines between their first and last.
QStringList AboutLines(const QString& first, const QString& last) {
  return {first, QString(), QString(), QString(), last};
}

}  // namespace

HelpText HowToText() {
  return {kUsingTitle,
          {"To use this calculator simply enter data into any three of the",
           "fields and click on the <Calculate> button next to the field",
           "you're interested in determining."}};
}

HelpText LoanAboutText() {
  return {kUsingTitle, AboutLines("Sumwright (Amortization) Calculator V2.3",
                                  "please visit https://sumwright.example.org")};
}

HelpText DrawDownAboutText() {
  return {kUsingTitle, AboutLines("Sumwright (Amortization) Calculator V2.2",
                                  "please send email to: support@sumwright.example.org")};
}

HelpText WhatIsThisText() {
  return {QStringLiteral("What is the Draw Down Calculator?"),
          {"Use this tool to observe the remaining balance in an interest",
           "bearing account that has a fixed amount withdrawn each month,",
           "or to find out how long an initial amount in an interest",
           "bearing account will last if uniform withdrawals are taken out."}};
}

}  // namespace sw::ui
