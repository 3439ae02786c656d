#include "ui/qt_dialogs.h"

#include <QFileDialog>

namespace sw::ui {

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& prompt, MessageIcon icon) {
  auto boxIcon = QMessageBox::NoIcon;
  if (icon == MessageIcon::Information) boxIcon = QMessageBox::Information;
  if (icon == MessageIcon::Warning) boxIcon = QMessageBox::Warning;
  auto box = std::make_unique<QMessageBox>(boxIcon, title, QString(prompt).replace("\r\n", "\n"),
                                           QMessageBox::Ok, parent);
  // Prompts are plain text: "<Calculate>" must not be taken for markup.
  box->setTextFormat(Qt::PlainText);
  return box;
}

void QtDialogs::message(QWidget* parent, const QString& title, const QString& prompt,
                        MessageIcon icon) {
  MakeMessageBox(parent, title, prompt, icon)->exec();
}

std::optional<QString> QtDialogs::askSaveFileName(QWidget* parent, const QString& title,
                                                  const QString& filter,
                                                  const QString& proposedName) {
  // The same dialog serves appending, where an existing file is the point,
  // so it never asks whether to replace one.
  const QString chosen = QFileDialog::getSaveFileName(parent, title, proposedName, filter,
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

}  // namespace sw::ui
