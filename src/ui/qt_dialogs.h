#pragma once

#include <QMessageBox>
#include <memory>

#include "ui/dialogs.h"

namespace sw::ui {

// The message box that QtDialogs::message shows, not yet opened.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& prompt, MessageIcon icon);

class QtDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& title, const QString& prompt,
               MessageIcon icon) override;
  std::optional<QString> askSaveFileName(QWidget* parent, const QString& title,
                                         const QString& filter,
                                         const QString& proposedName) override;
};

}  // namespace sw::ui
