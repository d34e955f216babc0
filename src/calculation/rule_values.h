#pragma once

#include <optional>

namespace norvika {

/// g used to turn tonnes into kilonewtons, m/s2.
inline constexpr double kGravity = 9.81;

/// The wave loads of the unified requirement for longitudinal strength of the
/// classification societies: the wave bending moments and wave shear forces
/// where their distribution factors are 1.
struct RuleWaveLoads {
  bool applies = false;  // 90 m <= L <= 500 m
  double length = 0.0;   // L, m
  /// Where L starts, m from AP: L ends at the waterline's forward end (the
  /// fore side of the stem), so it starts L aft of that.
  double aftEnd = 0.0;
  double breadth = 0.0;                   // B, m
  double draft = 0.0;                     // T, m
  double computedBlockCoefficient = 0.0;  // volume / (L B T)
  double blockCoefficient = 0.0;          // Cb the rule takes: the computed one, not below 0.6
  double coefficient = 0.0;               // C
  double hogging = 0.0;                   // kN m, positive, where M = 1
  double sagging = 0.0;                   // kN m, negative, where M = 1
  double shear = 0.0;                     // kN, 30 C L B (Cb + 0.7) 1e-2: where F1 or F2 is 1
  /// a = 190 Cb / (110 (Cb + 0.7)): the hogging moment over the sagging one,
  /// which scales the shear factors on the side the hogging wave loads.
  double hoggingShare = 0.0;
};

/// What is given of the rule's length and draft; what is not is taken from
/// the hull and the loading.
struct RuleChoices {
  std::optional<double> length;          // L, m
  std::optional<double> scantlingDraft;  // m, level
};

/// Where the rule's length and draft came from, and the lengths it was taken from.
struct RuleLengthSource {
  double perpendiculars = 0.0;    // Lpp, m: the task's length
  double waterline = 0.0;         // Lwl at the rule's draft, m (0: none found)
  double waterlineForward = 0.0;  // the waterline's forward end, m from AP
  bool lengthGiven = false;
  bool draftGiven = false;
};

/// The rule length of a ship of length between perpendiculars lpp (m) with a
/// waterline lwl (m) long: the distance to the rudder stock, which the hull
/// file does not give, taken as lpp, not less than 0.96 lwl and not more than
/// 0.97 lwl; lpp itself where no waterline length is known (lwl <= 0).
double ruleLength(double lpp, double lwl);

/// The rule's coefficient C for a length L (m); 0 outside 90-500 m.
double ruleWaveCoefficient(double length);

/// Rule wave loads for length L, breadth B, draft T (m) and displaced volume (m3).
RuleWaveLoads ruleWaveLoads(double length, double breadth, double draft, double volume);

/// Distribution factor M of the wave bending moment at x / L (x from AP): 0 at
/// AP and FP, 1 from 0.4 L to 0.65 L, linear between, 0 beyond the ends.
double waveMomentFactor(double xOverL);

/// Distribution factor F1 of the positive wave shear force at x / L, with
/// a = RuleWaveLoads::hoggingShare: 0, 0.92 a (0.2-0.3 L), 0.7 (0.4-0.6 L),
/// 1.0 (0.7-0.85 L), 0 at FP, linear between, 0 beyond the ends.
double positiveShearFactor(double xOverL, double hoggingShare);

/// Distribution factor F2 of the negative wave shear force at x / L: 0,
/// 0.92 (0.2-0.3 L), 0.7 (0.4-0.6 L), a (0.7-0.85 L), 0 at FP.
double negativeShearFactor(double xOverL, double hoggingShare);

/// The rule's wave loads at one place along the ship.
struct RuleWaveLoadsAt {
  double hogging = 0.0;        // kN m, >= 0
  double sagging = 0.0;        // kN m, <= 0
  double positiveShear = 0.0;  // kN, >= 0
  double negativeShear = 0.0;  // kN, <= 0
};

/// x (m from AP) as a share of the rule length from its aft end.
double ruleLengthShare(const RuleWaveLoads& rule, double x);

/// The rule's wave loads at x (m from AP); all 0 where the rule does not apply.
RuleWaveLoadsAt ruleWaveLoadsAt(const RuleWaveLoads& rule, double x);

}  // namespace norvika
