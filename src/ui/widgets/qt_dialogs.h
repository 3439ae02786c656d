#pragma once

#include <QMessageBox>
#include <QTemporaryDir>
#include <memory>

#include "ui/widgets/dialogs.h"

namespace sw::ui {

// The message box that QtDialogs::message shows, not yet opened.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& prompt, MessageIcon icon);

// The boxes of confirmReplace and askSaveChanges, not yet opened.
std::unique_ptr<QMessageBox> MakeReplaceQuestion(QWidget* parent, const QString& title,
                                                 const QString& fileName);
std::unique_ptr<QMessageBox> MakeSaveChangesQuestion(QWidget* parent, const QString& title,
                                                     const QString& prompt);

class QtDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& title, const QString& prompt,
               MessageIcon icon) override;
  std::optional<QString> askSaveFileName(QWidget* parent, const QString& title,
                                         const QString& filter,
                                         const QString& proposedName) override;
  bool confirmReplace(QWidget* parent, const QString& title, const QString& fileName) override;
  UnsavedChanges askSaveChanges(QWidget* parent, const QString& title,
                                const QString& prompt) override;

 private:
  // Holds what the file dialog would otherwise keep in the user's settings
  // (its history and last folder); removed when the program ends.
  std::unique_ptr<QTemporaryDir> dialogSettings_;
};

}  // namespace sw::ui
