#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "cut_captions.h"
#include "ui/deferred_icon_style.h"
#include "ui/designs/twips.h"
#include "ui/designs/window_designs.h"
#include "ui/widgets/umbrella_icon.h"
#include "ui/widgets/window_builder.h"
#include "ui/widgets/window_font.h"

using namespace sw::ui;
using sw::ui::test::AppFixture;
using sw::ui::test::CutCaptions;

namespace {

const WindowLayout& DesignNamed(const QString& name) {
  for (const WindowLayout* design :
       {&LoanWindowDesign(), &DrawDownWindowDesign(), &ReportWindowDesign()}) {
    if (design->name == name.toStdString()) return *design;
  }
  throw std::invalid_argument("no design " + name.toStdString());
}

// The window as the user reaches it in the running calculator.
FormWindow& Reach(AppFixture& fixture, const QString& name) {
  if (name == "frmDrawDown") return fixture.goToDrawDown();
  if (name == "frmPrintOutput") return fixture.app().reportWindow();
  return fixture.loan();
}

QColor Colour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void AddWindowColumn() {
  QTest::addColumn<QString>("window");
  for (const char* name : {"frmAPIN", "frmDrawDown", "frmPrintOutput"}) {
    QTest::newRow(name) << QString(name);
  }
}

QStringList MenuTree(const FormWindow& window) {
  QStringList tree;
  for (QAction* heading : window.findChild<QMenuBar*>()->actions()) {
    tree << heading->menu()->objectName() + " " + heading->text();
    for (QAction* entry : heading->menu()->actions()) {
      tree << "  " + entry->objectName() + " " + (entry->isSeparator() ? "-" : entry->text()) +
                  (entry->isEnabled() ? "" : " (disabled)");
    }
  }
  return tree;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void windows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("sizable");
    QTest::addColumn<QColor>("background");
    QTest::newRow("loan") << "frmAPIN"
                          << "Sumwright Calculator" << QSize(446, 232) << false << QColor(0, 0, 0);
    QTest::newRow("draw-down") << "frmDrawDown"
                               << "Uniform Draw-Down Calculator" << QSize(420, 291) << false
                               << QColor(64, 0, 64);
    QTest::newRow("report") << "frmPrintOutput"
                            << "Trajectory Results" << QSize(282, 352) << true
                            << QColor(255, 255, 255);
  }

  void windows() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(bool, sizable);
    QFETCH(QColor, background);
    auto built = BuildWindow(DesignNamed(window));
    built->show();

    QCOMPARE(built->objectName(), window);
    QCOMPARE(built->windowTitle(), caption);
    QCOMPARE(built->clientArea()->size(), client);
    QCOMPARE(built->clientArea()->palette().color(QPalette::Window), background);
    QVERIFY(built->clientArea()->autoFillBackground());
    const Qt::WindowFlags flags = built->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), sizable);
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), sizable);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(built->minimumSize() == built->maximumSize(), !sizable);
    QCOMPARE(built->height(), client.height() + built->findChild<QMenuBar*>()->height());
  }

  // A control of each container, in pixels at 96 dots per inch.
  void controlGeometry_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("loan txtA") << "frmAPIN"
                               << "txtA"
                               << "clientArea" << QRect(168, 16, 129, 25);
    QTest::newRow("loan fraRemaining") << "frmAPIN"
                                       << "fraRemaining"
                                       << "clientArea" << QRect(8, 144, 433, 81);
    QTest::newRow("loan lblPayments") << "frmAPIN"
                                      << "lblPayments"
                                      << "fraRemaining" << QRect(120, 16, 257, 33);
    QTest::newRow("draw-down txtStartBalance") << "frmDrawDown"
                                               << "txtStartBalance"
                                               << "clientArea" << QRect(136, 8, 129, 25);
    QTest::newRow("draw-down cmdHowMuch") << "frmDrawDown"
                                          << "cmdHowMuch"
                                          << "Frame2" << QRect(8, 48, 241, 25);
    QTest::newRow("report txtText") << "frmPrintOutput"
                                    << "txtText"
                                    << "clientArea" << QRect(0, 24, 281, 329);
  }

  void controlGeometry() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    auto built = BuildWindow(DesignNamed(window));
    QWidget* widget = built->control(control);
    QCOMPARE(widget->geometry(), rect);
    QCOMPARE(widget->parentWidget()->objectName(), container);
  }

  // An inch is 1440 twips, rounded to the nearest pixel at the font resolution.
  void twipsToPixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("inch") << 1440 << 96 << 96;
    QTest::newRow("15 twips a pixel") << 1935 << 96 << 129;
    QTest::newRow("below half a pixel") << 7 << 96 << 0;
    QTest::newRow("above half a pixel") << 8 << 96 << 1;
    QTest::newRow("120 dpi") << 1935 << 120 << 161;
    QTest::newRow("half up at 144 dpi") << 1935 << 144 << 194;
    QTest::newRow("a third at 192 dpi") << 10 << 192 << 1;
  }

  void twipsToPixels() {
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(ToPixels(twips, dpi), pixels);
  }

  // Every control of every design is built as designed.
  void everyControlFollowsItsDesign_data() { AddWindowColumn(); }

  void everyControlFollowsItsDesign() {
    QFETCH(QString, window);
    const WindowLayout& design = DesignNamed(window);
    auto built = BuildWindow(design);
    for (const ControlLayout& control : design.controls) {
      const QString name = QString::fromStdString(control.name);
      QWidget* widget = built->control(name);
      QCOMPARE(widget->focusPolicy(), TakesFocus(control) ? Qt::StrongFocus : Qt::NoFocus);
      QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
      QVERIFY(widget->isEnabled());
      if (control.background) {
        QCOMPARE(widget->palette().color(QPalette::Window), Colour(*control.background));
        QVERIFY(widget->autoFillBackground());
      }
      if (control.foreground) {
        QCOMPARE(widget->palette().color(QPalette::WindowText), Colour(*control.foreground));
      }
    }
  }

  void controlKinds() {
    auto loan = BuildWindow(LoanWindowDesign());
    auto* lblA = qobject_cast<QLabel*>(loan->control("lblA"));
    QVERIFY(lblA->alignment().testFlag(Qt::AlignRight));
    QCOMPARE(lblA->palette().color(QPalette::WindowText), QColor(Qt::white));
    auto* lblAfter = qobject_cast<QLabel*>(loan->control("lblAfter"));
    QVERIFY(lblAfter->alignment().testFlag(Qt::AlignLeft));
    auto* frame = qobject_cast<QFrame*>(loan->control("fraRemaining"));
    QCOMPARE(frame->frameShape(), QFrame::Box);
    QCOMPARE(frame->frameShadow(), QFrame::Plain);

    // Text boxes and buttons keep the platform's colours on a black window.
    auto* txtA = qobject_cast<QLineEdit*>(loan->control("txtA"));
    const QPalette platform = QApplication::palette(txtA);
    for (QWidget* widget : {loan->control("txtA"), loan->control("cmdApin")}) {
      for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                              QPalette::Text, QPalette::Button, QPalette::ButtonText}) {
        QCOMPARE(widget->palette().color(role), platform.color(role));
      }
    }
    QVERIFY(!txtA->isReadOnly());
    QVERIFY(txtA->maxLength() > 1'000'000);
    QVERIFY(txtA->text().isEmpty());
    QVERIFY(!loan->button("cmdApin")->autoDefault());
    QVERIFY(!loan->button("cmdApin")->isDefault());

    auto report = BuildWindow(ReportWindowDesign());
    auto* text = qobject_cast<QPlainTextEdit*>(report->control("txtText"));
    QVERIFY(text != nullptr);
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!text->isReadOnly());
    report->setText("txtText", "first\r\nsecond");
    QCOMPARE(report->text("txtText"), QString("first\nsecond"));
  }

  // Labels lie below the fields and buttons they overlap; of two frames
  // the one earlier in the design lies above.
  void stacking() {
    auto loan = BuildWindow(LoanWindowDesign());
    QWidget* frame = loan->control("fraRemaining");
    QCOMPARE(frame->childAt(170, 45)->objectName(), QString("txtRemaining"));
    QCOMPARE(frame->childAt(320, 45)->objectName(), QString("cmdRemaining"));
    QCOMPARE(frame->childAt(130, 30)->objectName(), QString("lblPayments"));

    auto drawDown = BuildWindow(DrawDownWindowDesign());
    QCOMPARE(drawDown->clientArea()->childAt(200, 180)->objectName(), QString("Frame2"));
    QCOMPARE(drawDown->clientArea()->childAt(200, 170)->objectName(), QString("Frame1"));
  }

  void tabOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("loan") << "frmAPIN"
                          << QStringList{"txtA",         "cmdApin",   "txtP",         "cmdPain",
                                         "txtI",         "cmdIpan",   "txtN",         "cmdNaip",
                                         "txtRemaining", "txtMonths", "cmdRemaining", "txtA"};
    QTest::newRow("draw-down") << "frmDrawDown"
                               << QStringList{"txtStartBalance", "txtInterest",  "txtA",
                                              "cmdHowLong",      "txtHowLong",   "txtN",
                                              "cmdHowMuch",      "txtRemaining", "txtStartBalance"};
  }

  void tabOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    auto built = BuildWindow(DesignNamed(window));
    built->showLoaded();
    QVERIFY(QTest::qWaitForWindowActive(built.get()));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype step = 1; step < order.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), order[order.size() - 2]);
  }

  void menus_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("tree");
    QTest::newRow("loan") << "frmAPIN"
                          << QStringList{"mnuTools Tools",
                                         "  mnuAmortTable Amortization Table",
                                         "  mnuGoToUDDC Uniform Draw Down Calculator",
                                         "mnuHelp Help",
                                         "  mnuHowTo How To",
                                         "  mnuLine -",
                                         "  mnuAbout About"};
    QTest::newRow("draw-down") << "frmDrawDown"
                               << QStringList{
                                      "mnuGoTo Go To...", "  mnuGoToFC Sumwright Calculator",
                                      "mnuDDHelp Help",   "  mnuWhat What Is This?",
                                      "  mnudash -",      "  mnuAbout About"};
    QTest::newRow("report") << "frmPrintOutput"
                            << QStringList{"mnuFile &File",          "  mnuPrint &Print",
                                           "  mnuseparate1 -",       "  mnuSave &Save",
                                           "  mnuSaveAs Save As...", "  mnuseparate2 -",
                                           "  mnuAppend Append",     "  mnuAppendTo Append To..."};
  }

  void menus() {
    QFETCH(QString, window);
    QFETCH(QStringList, tree);
    auto built = BuildWindow(DesignNamed(window));
    QCOMPARE(MenuTree(*built), tree);
    QVERIFY(!built->findChild<QMenuBar*>()->isNativeMenuBar());
  }

  // The font really drawn is the one chosen: the design's face or its
  // stand-in, not whatever the font configuration falls back to. The menu
  // bar and menus are drawn in the application's face: no part of a window
  // is ever in a monospace one.
  void font_data() { AddWindowColumn(); }

  void font() {
    QFETCH(QString, window);
    const WindowLayout& design = DesignNamed(window);
    AppFixture fixture;
    FormWindow& built = Reach(fixture, window);
    const QString face = ResolveFontFace(design.font, built.devicePixelRatio());
    QVERIFY(face == "MS Sans Serif" || face == kSubstituteFace);
    const QFontInfo info(built.clientArea()->font());
    QCOMPARE(info.family(), face);
    QCOMPARE(info.bold(), design.font.bold);
    QCOMPARE(built.clientArea()->font().pointSizeF(), 9.75);
    QCOMPARE(info.pixelSize(), 13);

    QVERIFY(!built.findChild<QMenuBar*>()->findChildren<QMenu*>().isEmpty());
    for (QWidget* widget : built.findChildren<QWidget*>()) {
      QVERIFY2(!widget->fontInfo().fixedPitch(),
               qPrintable(QString(widget->metaObject()->className()) + " " + widget->objectName() +
                          ": " + widget->fontInfo().family()));
    }
  }

  void everyCaptionFitsItsBox_data() { AddWindowColumn(); }

  void everyCaptionFitsItsBox() {
    QFETCH(QString, window);
    auto built = BuildWindow(DesignNamed(window));
    QCOMPARE(CutCaptions(*built->clientArea()), QStringList());
  }

  // Assistive technology announces each window as a window, by its caption.
  void accessibleAsWindow_data() { AddWindowColumn(); }

  void accessibleAsWindow() {
    QFETCH(QString, window);
    const WindowLayout& design = DesignNamed(window);
    const auto built = BuildWindow(design);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(built.get());
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), QString::fromStdString(design.caption));
  }

  // ... and each frame inside it as a named group of controls, not as one
  // more window.
  void framesAccessibleAsGroups_data() { AddWindowColumn(); }

  void framesAccessibleAsGroups() {
    QFETCH(QString, window);
    const WindowLayout& design = DesignNamed(window);
    const auto built = BuildWindow(design);
    for (const ControlLayout& control : design.controls) {
      if (control.kind != ControlKind::Frame) continue;
      QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(
          built->control(QString::fromStdString(control.name)));
      QVERIFY(frame != nullptr);
      QCOMPARE(frame->role(), QAccessible::Grouping);
      QCOMPARE(frame->text(QAccessible::Name), QString::fromStdString(control.accessibleName));
    }
  }

  void umbrellaIconAtEveryScale_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("drawn");
    QTest::newRow("16") << 16 << 1.0 << 16;
    QTest::newRow("32") << 32 << 1.0 << 32;
    QTest::newRow("16 at scale 2") << 16 << 2.0 << 32;
    QTest::newRow("32 at scale 2") << 32 << 2.0 << 64;
    QTest::newRow("24 at scale 1.5") << 24 << 1.5 << 36;
    QTest::newRow("128") << 128 << 1.0 << 128;
  }

  // Drawn afresh at the size the screen needs; 16 and 32 are the design's.
  void umbrellaIconAtEveryScale() {
    QFETCH(int, size);
    QFETCH(qreal, scale);
    QFETCH(int, drawn);
    const QPixmap pixmap = UmbrellaIcon().pixmap(QSize(size, size), scale);
    QCOMPARE(pixmap.size(), QSize(drawn, drawn));
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    QCOMPARE(image, DrawUmbrella(drawn).convertToFormat(QImage::Format_ARGB32));
  }

  void umbrellaIcon() {
    auto loan = BuildWindow(LoanWindowDesign());
    loan->showLoaded();
    const QList<QSize> sizes = loan->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(128, 128)));

    auto colours = [](const QImage& image) {
      QSet<QRgb> found;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) found.insert(image.pixel(x, y));
      }
      return found;
    };
    const QSet<QRgb> large = colours(DrawUmbrella(32));
    const QSet<QRgb> small = colours(DrawUmbrella(16));
    const QRgb transparent = qRgba(0, 0, 0, 0);
    QCOMPARE(large, (QSet<QRgb>{transparent, qRgb(0, 0, 0), qRgb(128, 128, 128)}));
    QCOMPARE(small, (QSet<QRgb>{transparent, qRgb(0, 0, 0)}));
    QVERIFY(loan->testAttribute(Qt::WA_SetWindowIcon));
    auto drawDown = BuildWindow(DrawDownWindowDesign());
    drawDown->showLoaded();
    QVERIFY(!drawDown->testAttribute(Qt::WA_SetWindowIcon));
  }

  void menuBarOverflowIcon_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("16") << 16 << 1.0;
    QTest::newRow("32") << 32 << 1.0;
    QTest::newRow("16 at scale 2") << 16 << 2.0;
  }

  // Read when drawn, yet the image of the style underneath.
  void menuBarOverflowIcon() {
    QFETCH(int, size);
    QFETCH(qreal, scale);
    AppFixture fixture;
    const auto* style = qobject_cast<DeferredIconStyle*>(QApplication::style());
    QVERIFY(style != nullptr);
    const auto* button = fixture.loan().findChild<QToolButton*>("qt_menubar_ext_button");
    QVERIFY(button != nullptr);
    const auto image = [&](const QIcon& icon) {
      return icon.pixmap(QSize(size, size), scale).toImage();
    };
    const QIcon base =
        style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!image(base).isNull());
    QCOMPARE(image(button->icon()), image(base));
    QCOMPARE(button->icon().availableSizes(), base.availableSizes());
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
