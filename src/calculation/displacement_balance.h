#pragma once

#include <functional>
#include <vector>

#include "calculation/waterline_profiles.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"

namespace norvika {

/// Draft-search iterations that no valid input needs (a climb of D/100 steps
/// and some fifty halvings); reaching them means the input cannot balance.
inline constexpr int kBalanceIterationLimit = 100000;

/// Why a draft search, or the evaluation of a trimmed waterline, has no result.
enum class BalanceStop {
  None,
  DeckImmersed,    // the waterline stands above a station's deck edge
  WavePhase,       // the trochoid's phase does not converge
  StartsTooDeep,   // even with the draft at the keel the displacement is too large
  IterationLimit,  // kBalanceIterationLimit iterations would not do
  NotCrossed,      // not even a search from the keel crosses the required displacement
};

struct BalanceOutcome {
  BalanceStop stop = BalanceStop::None;
  int station = 0;         // DeckImmersed: the station
  double waterline = 0.0;  // DeckImmersed: its waterline height, m
  double deck = 0.0;       // DeckImmersed: its deck edge, m
};

/// The ship on one waterline: each station's immersed area and the displacement.
struct Immersion {
  WaterlineProfile waterline;
  /// Immersed area of each station, m2 (heeled for the damaged condition).
  Table<double> stationArea{kMaxStations};
  double displacement = 0.0;  // t
};

/// One evaluated draft of the search.
struct BalanceStep {
  double meanDraft = 0.0;     // m
  double draftStep = 0.0;     // m, the step the search stood at
  double displacement = 0.0;  // t
};

/// What the draft search (cases 1-5), or the evaluation of the trimmed
/// waterline (case 6), came to.
struct Balance {
  BalanceOutcome outcome;
  /// The last evaluation; at a stop, what stood when it came (at a deck under
  /// water the whole waterline, the areas of the stations before it).
  Immersion immersion;
  double meanDraft = 0.0;  // m
  double draftStep = 0.0;  // m
  /// Every evaluated draft of the search, in order (none for case 6).
  std::vector<BalanceStep> history;
};

/// Cases 1-5: moves the mean draft until the displacement meets the required
/// one (the step halves at every overshoot; done below 0.0001 m), calling
/// `afterIteration` once each iteration is evaluated. Case 6: one evaluation
/// of the trimmed waterline.
Balance balanceDisplacement(const TaskParameters& task, const HullModel& hull,
                            const std::function<void(const Balance&)>& afterIteration);

/// LCB (m from AP): the moment of the station areas (m2) about AP over the
/// volume of the displacement (t) in water of density (t/m3). Needs a
/// Where the ship's buoyancy acts.
struct CentreOfBuoyancy {
  double longitudinal = 0.0;  // LCB, m from AP
  double transverse = 0.0;    // TCB, m from CL, rising side positive (heeled only)
};

/// displacement other than zero.
double longitudinalCentre(const HullModel& hull, const Table<double>& stationArea,
                          double displacement, double density);

}  // namespace norvika
