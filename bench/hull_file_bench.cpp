// Cost of reading a hull file alone: the 100-station hull of bench/make_run.py
// (50 points a station, written as it writes them: six decimals, CR LF), read
// from a file as a run reads it.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/hull_data_file.h"

namespace norvika {
namespace {

void appendFixed(std::string& text, double value) {
  char buffer[32];
  text.append(
      buffer,
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr);
}

// The hull file bench/make_run.py writes; `numbers` is how many it holds.
std::string benchHullText(int& numbers) {
  const double length = 150.0, depth = 14.0;
  const int stations = 100, points = 50;
  std::string text = "BENCHMARK HULL 150 m, 100 STATIONS x 50 POINTS\r\n";
  numbers = 0;
  for (int i = 0; i < stations; ++i) {
    const double x = length * i / (stations - 1);
    const double beam = 11.0 * (1.0 - std::pow(2.0 * x / length - 1.0, 4)) + 0.2;
    appendFixed(text, x);
    text += "\r\n";
    for (int j = 0; j < points; ++j) {
      const double z = depth * j / (points - 1);
      appendFixed(text, z);
      text += ", ";
      appendFixed(text, beam * std::pow(z / depth, 0.3));
      text += ", 1\r\n";
    }
    text += i == stations - 1 ? "0, 0, 9999\r\n" : "0, 0, 99\r\n";
    numbers += 1 + 3 * (points + 1);
  }
  text +=
      "STERN\r\n0, 0, 1\r\n14.0, 0, 1\r\n0, 0, 99\r\nBOW\r\n0, 150.0, 1\r\n14.0, 150.0, 1\r\n0, 0, "
      "99\r\n";
  numbers += 2 * 9;
  return text;
}

void BM_ReadHullFile(benchmark::State& state) {
  int numbers = 0;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("norvika-bench-hull-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary) << benchHullText(numbers);
  for (auto _ : state) {
    benchmark::DoNotOptimize(readHullDataFile(path, "BENCH.DAT").stationCount);
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * numbers);
}
BENCHMARK(BM_ReadHullFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace norvika
