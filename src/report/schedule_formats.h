#pragma once

#include <ostream>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// The forms a loan's schedule is written in.
enum class ScheduleFormat {
  kText,  // the text report, as the report window shows it
  kCsv,   // the unrounded rows (unrounded_schedule.h)
  kJson,  // the inputs, the payment and the unrounded rows
  kSvg,   // the chart as a standalone picture (schedule_chart.h)
  kHtml,  // the printable page (schedule_page.h)
};

// Writes `table` to `out` in `format`. The text, the chart and the page
// write their numbers with `separators`; CSV and JSON keep plain numbers.
void WriteSchedule(const Amortization& table, ScheduleFormat format, const Separators& separators,
                   std::ostream& out);

}  // namespace sw
