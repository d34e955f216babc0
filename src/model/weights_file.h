#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace norvika {

/// Name of the weights file in the run directory (matched ignoring case).
inline constexpr const char* kWeightsFileName = "Norvika.AGR";

/// A weight block from x1 to x2 (m from AP, x1 < x2) whose weight per metre
/// runs linearly from w1 at x1 to w2 at x2 (t/m, not negative).
struct WeightBlock {
  double x1 = 0.0;
  double x2 = 0.0;
  double w1 = 0.0;
  double w2 = 0.0;
};

/// The ship's weight along its length as the weights file gives it.
struct WeightDistribution {
  std::string title;
  std::string fileName;  // as messages and the report name it
  std::vector<WeightBlock> blocks;
  double total = 0.0;   // W, t
  double centre = 0.0;  // LCG, m from AP
};

/// Weight (t) and its moment about AP (t m) of one block.
double blockWeight(const WeightBlock& block);
double blockMoment(const WeightBlock& block);

/// Sums the blocks into the total weight W (t) and, where W > 0, its centre LCG (m from AP).
void sumBlocks(WeightDistribution& weights);

/// The weights file of a run directory: Norvika.AGR as written or in another
/// case; none when there is no such entry. A link that leads nowhere is an
/// entry: reading it says why it cannot be read.
std::optional<std::filesystem::path> findWeightsFile(const std::filesystem::path& directory);

/// The shortest weight block (m) for a ship of length L (m): far below any
/// real block, far above what the strength grid merges as one point.
double minimumBlockLength(double shipLength);

/// Reads a weights file: a title line, then 1 to kMaxWeightBlocks records
/// "x1, x2, w1, w2" (numbers separated by commas, blanks or line ends), and
/// totals them. Ends the run (InputError) naming file and line for a malformed
/// record, a block with x2 <= x1, a block shorter than minimumBlockLength or
/// reaching more than a ship length L (m) beyond AP or FP, a negative weight,
/// a record cut short, no record, too many records or a total weight of zero.
WeightDistribution readWeightsFile(const std::filesystem::path& path,
                                   const std::string& displayName, double shipLength);

/// Why weight block number k cannot be one of a ship of length L (m), as the
/// weights file's reader says it (without file and line); none when it can.
std::optional<std::string> weightBlockProblem(int k, const WeightBlock& block, double shipLength);

/// The weights of `blocks` given in code for a ship of length L (m), checked
/// and totalled as the weights file's records are, with the same messages
/// (without file and line), named as the weight distribution in the thread's
/// language. Ends the run (InputError, no place) at the first problem.
WeightDistribution weightsFromValues(std::string title, const std::vector<WeightBlock>& blocks,
                                     double shipLength);

}  // namespace norvika
