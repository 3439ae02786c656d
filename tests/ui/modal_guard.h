#pragma once

#include <QStringList>
#include <QTimer>

namespace sw::ui::test {

// Closes any modal dialog that opens while it lives and remembers its
// title, so that a dialog bypassing the recording seam fails the test
// instead of waiting forever for a user.
class ModalGuard {
 public:
  ModalGuard();

  QStringList caught() const { return caught_; }

 private:
  void closeModal();

  QTimer timer_;
  QStringList caught_;
};

}  // namespace sw::ui::test
