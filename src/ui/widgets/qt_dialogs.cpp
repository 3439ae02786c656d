#include "ui/widgets/qt_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

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

std::unique_ptr<QMessageBox> MakeReplaceQuestion(QWidget* parent, const QString& title,
                                                 const QString& fileName) {
  // The file dialog's own question, in its words and translations.
  const QString prompt = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                             .arg(QFileInfo(fileName).fileName());
  auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, title, prompt,
                                           QMessageBox::Yes | QMessageBox::No, parent);
  box->setTextFormat(Qt::PlainText);
  box->setDefaultButton(QMessageBox::No);
  return box;
}

std::unique_ptr<QMessageBox> MakeSaveChangesQuestion(QWidget* parent, const QString& title,
                                                     const QString& prompt) {
  auto box = MakeMessageBox(parent, title, prompt, MessageIcon::Warning);
  box->setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  box->setDefaultButton(QMessageBox::Save);
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
}

void QtDialogs::message(QWidget* parent, const QString& title, const QString& prompt,
                        MessageIcon icon) {
  MakeMessageBox(parent, title, prompt, icon)->exec();
}

std::optional<QString> QtDialogs::askSaveFileName(QWidget* parent, const QString& title,
                                                  const QString& filter,
                                                  const QString& proposedName) {
  // Keeps the dialog's history and last folder out of the user's settings:
  // the program stores nothing between runs.
  if (!dialogSettings_) {
    dialogSettings_ = std::make_unique<QTemporaryDir>();
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(format, QSettings::UserScope, dialogSettings_->path());
    }
  }
  // The same dialog serves appending, where an existing file is the point,
  // so it never asks whether to replace one; saving asks itself, about the
  // file it really writes.
  const QString chosen = QFileDialog::getSaveFileName(parent, title, proposedName, filter, nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

bool QtDialogs::confirmReplace(QWidget* parent, const QString& title, const QString& fileName) {
  return MakeReplaceQuestion(parent, title, fileName)->exec() == QMessageBox::Yes;
}

UnsavedChanges QtDialogs::askSaveChanges(QWidget* parent, const QString& title,
                                         const QString& prompt) {
  switch (MakeSaveChangesQuestion(parent, title, prompt)->exec()) {
    case QMessageBox::Save:
      return UnsavedChanges::Save;
    case QMessageBox::Discard:
      return UnsavedChanges::Discard;
    default:
      return UnsavedChanges::Cancel;
  }
}

}  // namespace sw::ui
