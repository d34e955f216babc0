#pragma once

#include <string>

#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// What a distribution graph shows, for its caption and file name.
struct GraphSubject {
  std::string caption;
  std::string name;
};

/// Bars and polygon of v(1..n) (t/m) at x(1..n) (m from AP) on the Graph window, with a value
/// scale in t/m and the station numbers of a ship of length `shipLength` (m) along the base
/// line, then a pause, then the window is cleared.
void drawDistributionGraph(Platform& platform, const Table<double>& x, const Table<double>& v,
                           int n, const std::string& title, double shipLength,
                           const GraphSubject& subject);

}  // namespace norvika
