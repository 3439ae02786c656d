#include "report_request.h"

namespace sw::ui::test {

const char kWorkedExampleReport[] =
    "Amortization Table for 10,000.00 at 7.500% for 1 years\n"
    " #  Monthly  Monthly   Remaining\n"
    "    Interest Principal Principal\n"
    "001  62.50  805.07  9,194.93\n"
    "002  57.47  810.11  8,384.82\n"
    "003  52.41  815.17  7,569.65\n"
    "004  47.31  820.26  6,749.39\n"
    "005  42.18  825.39  5,924.00\n"
    "006  37.02  830.55  5,093.45\n"
    "007  31.83  835.74  4,257.71\n"
    "008  26.61  840.96  3,416.74\n"
    "009  21.35  846.22  2,570.52\n"
    "010  16.07  851.51  1,719.02\n"
    "011  10.74  856.83  862.19\n"
    "012  05.39  862.19  0.00\n";

LayoutWindow& RequestTable(AppFixture& fixture, const QString& principal, const QString& rate,
                           const QString& years) {
  Type(fixture.loan(), "txtP", principal);
  Type(fixture.loan(), "txtI", rate);
  Type(fixture.loan(), "txtN", years);
  Choose(fixture.loan(), "mnuAmortTable");
  return fixture.app().reportWindow();
}

}  // namespace sw::ui::test
