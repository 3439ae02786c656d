#include <QTest>
#include <algorithm>

#include "calculations/field_calculations.h"
#include "ui/designs/window_designs.h"

using namespace sw;
using namespace sw::ui;

namespace {

const WindowLayout* CalculatorDesign(std::string_view name) {
  for (const WindowLayout* design : {&LoanWindowDesign(), &DrawDownWindowDesign()}) {
    if (design->name == name) return design;
  }
  return nullptr;
}

QString Named(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

void VerifySingleLineTextBox(const WindowLayout& design, std::string_view name) {
  const ControlLayout* box = FindControl(design, name);
  QVERIFY2(box != nullptr, qPrintable("no control " + Named(name)));
  QVERIFY2(box->kind == ControlKind::TextBox && !box->multiLine,
           qPrintable(Named(name) + " is not a single-line text box"));
}

}  // namespace

// The catalogue of field calculations names the controls of the calculator
// designs that the windows bind.
class CatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void calculationNamesItsWindowsControls_data() {
    QTest::addColumn<QString>("id");
    for (const FieldCalculation& calculation : FieldCalculations()) {
      QTest::newRow(calculation.id.data()) << Named(calculation.id);
    }
  }

  void calculationNamesItsWindowsControls() {
    QFETCH(QString, id);
    const auto& all = FieldCalculations();
    const auto calculation = std::ranges::find(all, id.toStdString(), &FieldCalculation::id);
    QCOMPARE(std::ranges::count(all, calculation->id, &FieldCalculation::id), 1);

    const WindowLayout* design = CalculatorDesign(calculation->window);
    QVERIFY2(design != nullptr, qPrintable("no calculator window " + Named(calculation->window)));
    const ControlLayout* button = FindControl(*design, calculation->button);
    QVERIFY(button != nullptr);
    QCOMPARE(button->kind, ControlKind::CommandButton);
    QVERIFY(!calculation->inputs.empty());
    for (const FieldInput& input : calculation->inputs) {
      VerifySingleLineTextBox(*design, input.control);
      QVERIFY(input.control != calculation->result);
    }
    VerifySingleLineTextBox(*design, calculation->result);
  }

  // The amortization table reads text boxes of its window, from a menu
  // entry that runs the table's command.
  void amortizationTableNamesItsWindowsControls() {
    const WindowLayout* design = CalculatorDesign(kAmortizationTable.window);
    QVERIFY(design != nullptr);
    for (const FieldInput& input : kAmortizationTable.inputs) {
      VerifySingleLineTextBox(*design, input.control);
    }
    const auto& tools = design->menuBar.front().children;
    QVERIFY(std::ranges::find(tools, MenuCommand::AmortizationTable, &MenuEntry::command) !=
            tools.end());
  }

  // Every button of a calculator window is a calculate button, so each must
  // have its entry.
  void everyButtonOfTheCalculatorsIsCatalogued() {
    for (const WindowLayout* design : {&LoanWindowDesign(), &DrawDownWindowDesign()}) {
      for (const ControlLayout& control : design->controls) {
        if (control.kind != ControlKind::CommandButton) continue;
        const bool catalogued =
            std::ranges::any_of(FieldCalculations(), [&](const FieldCalculation& calculation) {
              return calculation.window == design->name && calculation.button == control.name;
            });
        QVERIFY2(catalogued, qPrintable(QString::fromStdString(control.name)));
      }
    }
  }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
