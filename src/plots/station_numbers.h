#pragma once

#include <string>

namespace norvika {

/// The number of a station at x (m from AP) of a ship of length L (m): twentieths of L, the
/// one numbering of stations in every drawing (the waterline check's).
double stationNumber(double x, double shipLength);

/// A station number as a label: at most two decimals, no trailing zeros ("10", "0.5", "19.25").
std::string stationLabel(double number);

/// The rank of a station's label (1 up) where labels crowd: the end stations first, then every
/// fifth, the whole and the half stations, then the others; `station` of `count` (from 1).
int stationLabelRank(int station, int count, double number);

}  // namespace norvika
