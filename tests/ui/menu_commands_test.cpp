#include "ui/menu_commands.h"

#include <QTest>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/widgets/window_builder.h"

using namespace sw::ui;

namespace {

// Two menus; a command bound twice, one entry without a command and a
// separator.
WindowLayout TestDesign() {
  return {
      .name = "frmTest",
      .caption = "Test",
      .clientWidth = 1500,
      .clientHeight = 1500,
      .menuBar = {{"mnuFirst",
                   "First",
                   {{"mnuHow", "How", {}, MenuCommand::HowTo},
                    {"mnuLine", "-", {}},
                    {"mnuPlain", "Plain", {}},
                    {"mnuGo", "Go", {}, MenuCommand::GoToLoan}}},
                  {"mnuSecond", "Second", {{"mnuHowAgain", "How again", {}, MenuCommand::HowTo}}}}};
}

}  // namespace

class MenuCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachEntryRunsItsCommandWithItsWindow() {
    auto window = BuildWindow(TestDesign());
    std::vector<std::pair<MenuCommand, FormWindow*>> runs;
    const auto record = [&runs](MenuCommand command) {
      return [&runs, command](FormWindow& from) { runs.emplace_back(command, &from); };
    };
    BindMenuCommands(*window, {{MenuCommand::HowTo, record(MenuCommand::HowTo)},
                               {MenuCommand::GoToLoan, record(MenuCommand::GoToLoan)},
                               {MenuCommand::Save, record(MenuCommand::Save)}});
    for (const char* entry : {"mnuGo", "mnuPlain", "mnuHowAgain", "mnuHow"}) {
      window->menuEntry(entry)->trigger();
    }
    const std::vector<std::pair<MenuCommand, FormWindow*>> expected{
        {MenuCommand::GoToLoan, window.get()},
        {MenuCommand::HowTo, window.get()},
        {MenuCommand::HowTo, window.get()}};
    QVERIFY(runs == expected);
  }

  void aCommandWithoutHandlerIsRefused() {
    auto window = BuildWindow(TestDesign());
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             BindMenuCommands(*window, {{MenuCommand::HowTo, [](FormWindow&) {}}}));
  }
};

QTEST_MAIN(MenuCommandsTest)
#include "menu_commands_test.moc"
