#include "report/schedule_formats.h"

#include "report/amortization_report.h"
#include "report/schedule_chart.h"
#include "report/schedule_page.h"
#include "report/unrounded_schedule.h"

namespace sw {

void WriteSchedule(const Amortization& table, ScheduleFormat format, const Separators& separators,
                   std::ostream& out) {
  switch (format) {
    case ScheduleFormat::kText:
      out << FormatAmortization(table, separators);
      return;
    case ScheduleFormat::kCsv:
      WriteCsv(table, out);
      return;
    case ScheduleFormat::kJson:
      WriteJson(table, out);
      return;
    case ScheduleFormat::kSvg:
      out << ScheduleChartFile(table, separators);
      return;
    case ScheduleFormat::kHtml:
      out << SchedulePage(table, separators);
      return;
  }
}

}  // namespace sw
