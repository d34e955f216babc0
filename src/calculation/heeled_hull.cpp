#include "calculation/heeled_hull.h"

#include <cmath>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"

namespace norvika {

void integrateHeeledHull(const Table2<double>& stationArea, const HeelMomentTables& moments,
                         int stationCount, const Table<double>& stationX,
                         const Table<double>& heelAngleByStep, double waterDensity, int j,
                         int nSteps, HeeledHullResults& results) {
  Table<double> values(200);
  auto integrateAlongShip = [&](auto valueAt) {
    for (int st = 1; st <= stationCount; ++st) values(st) = valueAt(st);
    return integrateTabulated(stationCount, stationX, values);
  };

  // A waterline without volume keeps the centre of the one before it.
  double kb = 0.0;
  double tcb = 0.0;
  double lcb = 0.0;
  for (int k = 1; k <= nSteps; ++k) {
    double volume = integrateAlongShip([&](int st) { return stationArea(st, k); });
    if (volume <= 0.0) {
      results.heelKN(j, k) = 0.0;
      volume = 0.0;
    } else {
      const double my = integrateAlongShip([&](int st) { return moments.heelMomentY(st, k); });
      const double mz = integrateAlongShip([&](int st) { return moments.heelMomentZ(st, k); });
      const double mx =
          integrateAlongShip([&](int st) { return stationArea(st, k) * stationX(st); });
      kb = mz / (volume + 1e-8);
      tcb = my / (volume + 1e-8);
      lcb = mx / (volume + 1e-8);
      const double phi = heelAngleByStep(j) * kDegree;
      const double alpha = std::atan(tcb / (kb + 1e-8));
      const double r = std::sqrt(kb * kb + tcb * tcb);
      results.heelKN(j, k) = r * std::sin(phi - alpha);
    }
    results.heelDisplacement(j, k) = waterDensity * volume;
    results.heelKB(j, k) = kb;
    results.heelTCB(j, k) = tcb;
    results.heelLCB(j, k) = lcb;
  }
}

}  // namespace norvika
