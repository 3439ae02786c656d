#include "recording_dialogs.h"

#include <QTest>

namespace sw::ui::test {

char* toString(const RecordedMessage& message) {
  const QString text = QString("parent %1, title \"%2\", prompt \"%3\", icon %4")
                           .arg(reinterpret_cast<quintptr>(message.parent), 0, 16)
                           .arg(message.title, message.prompt)
                           .arg(static_cast<int>(message.icon));
  return QTest::toString(text);
}

RecordedMessage CalculationFailure(QWidget* window, const QString& prompt) {
  return {window, "Zero Value Error", prompt, MessageIcon::None};
}

void RecordingDialogs::message(QWidget* parent, const QString& title, const QString& prompt,
                               MessageIcon icon) {
  messages_.append({parent, title, prompt, icon});
}

std::optional<QString> RecordingDialogs::askSaveFileName(QWidget* parent, const QString& title,
                                                         const QString& filter,
                                                         const QString& proposedName) {
  saveRequests_.append({parent, title, filter, proposedName});
  if (saveAnswers_.isEmpty()) {
    unanswered_.append("save dialog without a prepared answer: " + title);
    return std::nullopt;
  }
  const QString answer = saveAnswers_.takeFirst();
  if (answer.isNull()) return std::nullopt;
  return answer;
}

bool RecordingDialogs::confirmReplace(QWidget* parent, const QString& title,
                                      const QString& fileName) {
  replaceQuestions_.append({parent, title, fileName});
  if (replaceAnswers_.isEmpty()) {
    unanswered_.append("replace question without a prepared answer: " + fileName);
    return false;
  }
  return replaceAnswers_.takeFirst();
}

UnsavedChanges RecordingDialogs::askSaveChanges(QWidget* parent, const QString& title,
                                                const QString& prompt) {
  saveChangesQuestions_.append({parent, title, prompt});
  if (saveChangesAnswers_.isEmpty()) {
    unanswered_.append("save-changes question without a prepared answer: " + prompt);
    return UnsavedChanges::Cancel;
  }
  return saveChangesAnswers_.takeFirst();
}

void RecordingDialogs::prepareReplaceAnswer(bool replace) { replaceAnswers_.append(replace); }

void RecordingDialogs::prepareSaveChangesAnswer(UnsavedChanges answer) {
  saveChangesAnswers_.append(answer);
}

QList<RecordedQuestion> RecordingDialogs::takeReplaceQuestions() {
  return std::exchange(replaceQuestions_, {});
}

QList<RecordedQuestion> RecordingDialogs::takeSaveChangesQuestions() {
  return std::exchange(saveChangesQuestions_, {});
}

void RecordingDialogs::prepareSaveAnswer(std::optional<QString> fileName) {
  saveAnswers_.append(fileName.value_or(QString()));
}

QList<RecordedMessage> RecordingDialogs::takeMessages() { return std::exchange(messages_, {}); }

QList<RecordedSaveRequest> RecordingDialogs::takeSaveRequests() {
  return std::exchange(saveRequests_, {});
}

QStringList RecordingDialogs::untaken() const {
  QStringList result = unanswered_;
  for (const RecordedMessage& message : messages_) {
    result.append("message box \"" + message.title + "\": " + message.prompt);
  }
  for (const RecordedSaveRequest& request : saveRequests_) {
    result.append("save dialog \"" + request.title + "\"");
  }
  for (const RecordedQuestion& question : replaceQuestions_) {
    result.append("replace question: " + question.text);
  }
  for (const RecordedQuestion& question : saveChangesQuestions_) {
    result.append("save-changes question: " + question.text);
  }
  return result;
}

}  // namespace sw::ui::test
