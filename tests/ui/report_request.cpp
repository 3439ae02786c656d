#include "report_request.h"

namespace sw::ui::test {

FormWindow& RequestTable(AppFixture& fixture, const QString& principal, const QString& rate,
                         const QString& years) {
  Type(fixture.loan(), "txtP", principal);
  Type(fixture.loan(), "txtI", rate);
  Type(fixture.loan(), "txtN", years);
  Choose(fixture.loan(), "mnuAmortTable");
  return fixture.app().reportWindow();
}

}  // namespace sw::ui::test
