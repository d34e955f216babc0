#pragma once

#include <string>

#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// Bars and polygon of v(1..n) (t/m) at x(1..n) (m from AP) on the Graph
/// window, then a pause, then the window is cleared.
void drawDistributionGraph(Platform& platform, const Table<double>& x, const Table<double>& v, int n,
                           const std::string& title);

}  // namespace norvika
