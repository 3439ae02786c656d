#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/widgets/dialogs.h"

namespace sw::ui::test {

struct RecordedMessage {
  QWidget* parent = nullptr;
  QString title;
  QString prompt;
  MessageIcon icon = MessageIcon::None;
  friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

// How QCOMPARE shows a message that differs.
char* toString(const RecordedMessage& message);

// The box of a calculation that failed: its message under "Zero Value
// Error", an OK button and no icon, over the calculator window.
RecordedMessage CalculationFailure(QWidget* window, const QString& prompt);

struct RecordedSaveRequest {
  QWidget* parent = nullptr;
  QString title;
  QString filter;
  QString proposedName;
};

// A question answered through the seam: which one, over which window.
struct RecordedQuestion {
  QWidget* parent = nullptr;
  QString title;
  // The file named by a replace question, the prompt of a save-changes one.
  QString text;
  friend bool operator==(const RecordedQuestion&, const RecordedQuestion&) = default;
};

// Records every dialog and answers it at once. A test takes the dialogs it
// expects; whatever it leaves behind was not expected (see untaken()).
class RecordingDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& title, const QString& prompt,
               MessageIcon icon) override;
  std::optional<QString> askSaveFileName(QWidget* parent, const QString& title,
                                         const QString& filter,
                                         const QString& proposedName) override;
  bool confirmReplace(QWidget* parent, const QString& title, const QString& fileName) override;
  UnsavedChanges askSaveChanges(QWidget* parent, const QString& title,
                                const QString& prompt) override;

  // The answers to the next replace and save-changes questions; a question
  // without a prepared answer gets No or Cancel and counts as unexpected.
  void prepareReplaceAnswer(bool replace);
  void prepareSaveChangesAnswer(UnsavedChanges answer);

  // The answer to the next save dialog; one without a prepared answer is
  // cancelled and counts as unexpected.
  void prepareSaveAnswer(std::optional<QString> fileName);

  QList<RecordedMessage> takeMessages();
  QList<RecordedSaveRequest> takeSaveRequests();
  QList<RecordedQuestion> takeReplaceQuestions();
  QList<RecordedQuestion> takeSaveChangesQuestions();

  // Descriptions of the dialogs that no test took, or that had no answer.
  QStringList untaken() const;

 private:
  QList<RecordedMessage> messages_;
  QList<RecordedSaveRequest> saveRequests_;
  // A null string stands for cancelling.
  QStringList saveAnswers_;
  QList<RecordedQuestion> replaceQuestions_;
  QList<bool> replaceAnswers_;
  QList<RecordedQuestion> saveChangesQuestions_;
  QList<UnsavedChanges> saveChangesAnswers_;
  QStringList unanswered_;
};

}  // namespace sw::ui::test
