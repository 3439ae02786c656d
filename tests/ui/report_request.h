#pragma once

#include <QString>

#include "app_fixture.h"

namespace sw::ui::test {

// Types the loan window's principal, rate and years, chooses Tools >
// Amortization Table as the user does, and returns the report window.
FormWindow& RequestTable(AppFixture& fixture, const QString& principal, const QString& rate,
                         const QString& years);

}  // namespace sw::ui::test
