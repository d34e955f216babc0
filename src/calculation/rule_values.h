#pragma once

namespace norvika {

/// g used to turn tonnes into kilonewtons, m/s2.
inline constexpr double kGravity = 9.81;

/// The wave bending moments of the unified requirement for longitudinal
/// strength of the classification societies, kN m.
struct RuleWaveMoments {
  bool applies = false;           // 90 m <= L <= 500 m
  double length = 0.0;            // L, m
  double breadth = 0.0;           // B, m
  double draft = 0.0;             // T, m
  double blockCoefficient = 0.0;  // Cb, not below 0.6
  double coefficient = 0.0;       // C
  double hogging = 0.0;           // kN m, positive
  double sagging = 0.0;           // kN m, negative
};

/// The rule's coefficient C for a length L (m); 0 outside 90-500 m.
double ruleWaveCoefficient(double length);

/// Rule wave moments for length L, breadth B, draft T (m) and displaced volume (m3).
RuleWaveMoments ruleWaveMoments(double length, double breadth, double draft, double volume);

}  // namespace norvika
