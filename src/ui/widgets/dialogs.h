#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace sw::ui {

enum class MessageIcon { None, Information, Warning };

// The user's answer when a window with unsaved changes is being closed.
enum class UnsavedChanges { Save, Discard, Cancel };

// The modal dialogs that handlers open. The application uses QtDialogs;
// tests substitute one that records each request and answers at once.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message box with an OK button; returns when the user has closed
  // it. Lines of the prompt are separated by "\r\n".
  virtual void message(QWidget* parent, const QString& title, const QString& prompt,
                       MessageIcon icon) = 0;

  // The save-file dialog: the chosen file name, or nothing when the user
  // cancels. The filter is a pattern list such as "*.txt".
  virtual std::optional<QString> askSaveFileName(QWidget* parent, const QString& title,
                                                 const QString& filter,
                                                 const QString& proposedName) = 0;

  // Whether to replace the existing file of that name: true for yes.
  virtual bool confirmReplace(QWidget* parent, const QString& title, const QString& fileName) = 0;

  // Whether to save changes before a window closes: Save, Discard, or
  // Cancel (also the answer to Esc), which keeps the window open.
  virtual UnsavedChanges askSaveChanges(QWidget* parent, const QString& title,
                                        const QString& prompt) = 0;
};

}  // namespace sw::ui
