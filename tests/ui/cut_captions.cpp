#include "cut_captions.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace sw::ui::test {

QStringList CutCaptions(const QWidget& client) {
  QStringList cut;
  for (QLabel* label : client.findChildren<QLabel*>()) {
    const QFontMetrics metrics = label->fontMetrics();
    const QRect box = label->contentsRect();
    if (metrics.horizontalAdvance(label->text()) > box.width() || metrics.height() > box.height()) {
      cut << label->objectName();
    }
  }
  // Inside the button's frame: the style's minimum width is no part of it.
  for (QPushButton* button : client.findChildren<QPushButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (text.width() > contents.width() || text.height() > contents.height()) {
      cut << button->objectName();
    }
  }
  return cut;
}

}  // namespace sw::ui::test
