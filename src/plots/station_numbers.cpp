#include "plots/station_numbers.h"

#include <cmath>

#include "text/text_format.h"

namespace norvika {

double stationNumber(double x, double shipLength) { return 20 * x / shipLength; }

std::string stationLabel(double number) {
  std::string text = formatPlain(number, 2);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

int stationLabelRank(int station, int count, double number) {
  const auto isMultipleOf = [number](double step) {
    return std::fabs(number / step - std::round(number / step)) < 1e-6;
  };
  if (station == 1 || station == count) return 1;
  if (isMultipleOf(5)) return 2;
  if (isMultipleOf(1)) return 3;
  if (isMultipleOf(0.5)) return 4;
  return 5;
}

}  // namespace norvika
