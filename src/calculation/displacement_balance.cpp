#include "calculation/displacement_balance.h"

#include <array>
#include <cmath>
#include <tuple>
#include <utility>

#include "calculation/section_area.h"
#include "model/calculation_case.h"

namespace norvika {

namespace {

double integrateAlongShip(const HullModel& hull, const Table<double>& area) {
  return integrateTabulated(hull.stationCount, hull.stationX, area);
}

// Areas of every station below the waterline, then the displacement. The
// deck check comes before each station's area.
BalanceOutcome evaluateDisplacement(const HullModel& hull, double density,
                                    const std::vector<SectionCurve>& sections,
                                    Immersion& immersion) {
  for (int st = 1; st <= hull.stationCount; ++st) {
    const SectionCurve& section = sections[static_cast<std::size_t>(st - 1)];
    const double zw = immersion.waterline.height(st);
    const double deck = section.deck();
    if (zw > deck) return BalanceOutcome{BalanceStop::DeckImmersed, st, zw, deck};
    immersion.stationArea(st) = sectionArea(section, zw);
  }
  immersion.displacement = integrateAlongShip(hull, immersion.stationArea) * density;
  return {};
}

// Whether the climb with the current constant step would still be below the
// required displacement when the iteration limit comes: the profile raised by
// every step left, with no station's deck under water (a deck reached first
// ends the climb with its own message). The displacement grows with the
// draft, so this one evaluation decides what some hundred thousand would.
bool climbEndsAtLimit(const TaskParameters& task, const HullModel& hull,
                      const std::vector<SectionCurve>& sections, const Balance& balance,
                      int iteration) {
  const double rise = (kBalanceIterationLimit - iteration) * balance.draftStep;
  Table<double> area(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    const SectionCurve& section = sections[static_cast<std::size_t>(st - 1)];
    const double zw = balance.immersion.waterline.height(st) + rise;
    if (zw > section.deck()) return false;
    area(st) = sectionArea(section, zw);
  }
  return integrateAlongShip(hull, area) * task.waterDensity < task.requiredDisplacement;
}

// The evaluations of the drafts just tried. Halving its step at an overshoot,
// the search steps back to a draft it evaluated a few iterations before,
// often bit for bit the same: that evaluation is taken again as it was.
class RecentEvaluations {
 public:
  const std::pair<BalanceOutcome, Immersion>* find(double meanDraft) const {
    for (const Entry& e : entries_) {
      if (e.used && e.meanDraft == meanDraft) return &e.result;
    }
    return nullptr;
  }
  void keep(double meanDraft, const BalanceOutcome& outcome, const Immersion& immersion) {
    Entry& e = entries_[next_];
    next_ = (next_ + 1) % entries_.size();
    e = {true, meanDraft, {outcome, immersion}};
  }

 private:
  struct Entry {
    bool used = false;
    double meanDraft = 0.0;
    std::pair<BalanceOutcome, Immersion> result;
  };
  std::array<Entry, 8> entries_;
  std::size_t next_ = 0;
};

}  // namespace

Balance balanceDisplacement(const TaskParameters& task, const HullModel& hull,
                            const std::function<void(const Balance&)>& afterIteration) {
  const int c = task.caseNumber;
  const bool searches = caseProperties(c).searchesDisplacement;
  Balance balance;
  if (searches) {
    balance.meanDraft = task.initialDraft;
    if (task.initialDraft == 0.0) {
      balance.draftStep = hull.maxHeight / 100.0;
    } else if (task.initialDraft > 0.0) {
      balance.draftStep = task.initialDraft / 10.0;
    }
  }
  const std::optional<WaterlineShape> shape = shapeWaterline(task, hull, c);
  if (!shape) {
    balance.outcome = {BalanceStop::WavePhase};
    return balance;
  }
  const std::vector<SectionCurve> sections = layOutStations(hull);
  RecentEvaluations recent;

  // The search has found the required displacement only when it has been on
  // both sides of it. Started too high it can step down only twice its first
  // step, started too low with a step under 0.0001 m not at all; it then
  // starts again from the keel, as an initial draft of 0 does.
  bool below = false;
  bool above = false;
  bool restarted = false;
  bool climbChecked = false;
  for (int iteration = 1;; ++iteration) {
    if (const auto* earlier = recent.find(balance.meanDraft)) {
      std::tie(balance.outcome, balance.immersion) = *earlier;
    } else {
      balance.immersion.waterline = waterlineProfile(*shape, balance.meanDraft);
      balance.outcome = evaluateDisplacement(hull, task.waterDensity, sections, balance.immersion);
      recent.keep(balance.meanDraft, balance.outcome, balance.immersion);
    }
    if (balance.outcome.stop != BalanceStop::None || !searches) return balance;
    const double displacement = balance.immersion.displacement;
    balance.history.push_back({balance.meanDraft, balance.draftStep, displacement});
    afterIteration(balance);
    below = below || displacement < task.requiredDisplacement;
    above = above || displacement > task.requiredDisplacement;
    if (std::fabs(balance.draftStep) < 0.0001) {
      if (below && above) return balance;
      if (restarted) {
        balance.outcome = {BalanceStop::NotCrossed};
        return balance;
      }
      restarted = true;
      climbChecked = false;
      below = above = false;
      balance.meanDraft = 0.0;
      balance.draftStep = hull.maxHeight / 100.0;
      continue;
    }
    if (balance.meanDraft < 0.0001 && displacement > task.requiredDisplacement) {
      balance.outcome = {BalanceStop::StartsTooDeep};
      return balance;
    }
    if (iteration >= kBalanceIterationLimit) {
      balance.outcome = {BalanceStop::IterationLimit};
      return balance;
    }
    if (displacement < task.requiredDisplacement) {
      if (!climbChecked && !above) {
        climbChecked = true;
        if (climbEndsAtLimit(task, hull, sections, balance, iteration)) {
          balance.outcome = {BalanceStop::IterationLimit};
          return balance;
        }
      }
      balance.meanDraft += balance.draftStep;
    } else if (displacement > task.requiredDisplacement) {
      balance.meanDraft -= balance.draftStep;
      balance.draftStep /= 2.0;
    } else {
      return balance;
    }
  }
}

double longitudinalCentre(const HullModel& hull, const Table<double>& stationArea,
                          double displacement, double density) {
  Table<double> moment(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) moment(st) = hull.stationX(st) * stationArea(st);
  return integrateAlongShip(hull, moment) / (displacement / density);
}

}  // namespace norvika
