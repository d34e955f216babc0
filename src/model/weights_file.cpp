#include "model/weights_file.h"

#include <algorithm>

#include "support/capacities.h"
#include "support/file_names.h"
#include "support/input_file.h"
#include "support/run_end.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

double blockWeight(const WeightBlock& block) {
  return (block.w1 + block.w2) / 2.0 * (block.x2 - block.x1);
}

double blockMoment(const WeightBlock& block) {
  // The trapezoid's moment about AP: exact for a weight per metre linear in x.
  return (block.x2 - block.x1) / 6.0 *
         (block.w1 * (2.0 * block.x1 + block.x2) + block.w2 * (block.x1 + 2.0 * block.x2));
}

void sumBlocks(WeightDistribution& weights) {
  double total = 0.0;
  double moment = 0.0;
  for (const WeightBlock& block : weights.blocks) {
    total += blockWeight(block);
    moment += blockMoment(block);
  }
  weights.total = total;
  if (total > 0.0) weights.centre = moment / total;
}

std::optional<std::filesystem::path> findWeightsFile(const std::filesystem::path& directory) {
  const std::filesystem::path found = findIgnoringCase(directory, kWeightsFileName);
  if (!entryExists(found)) return std::nullopt;
  return found;
}

double minimumBlockLength(double shipLength) { return 1e-6 * std::max(shipLength, 1.0); }

namespace {

constexpr const char* kBlockFields[4] = {"X1", "X2", "W1", "W2"};

std::string recordName(int k) { return text(Text::WeightsRecord, {std::to_string(k)}); }

std::string tooManyRecordsText() {
  return text(Text::WeightsTooMany, {std::to_string(kMaxWeightBlocks)});
}

// Totals the blocks into W and LCG; why they cannot be the ship's weights
// when there is none or they weigh nothing.
std::optional<std::string> totalWeights(WeightDistribution& weights) {
  if (weights.blocks.empty()) return std::string(text(Text::WeightsNone));
  sumBlocks(weights);
  if (!(weights.total > 0.0)) return std::string(text(Text::WeightsZeroTotal));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> weightBlockProblem(int k, const WeightBlock& block, double shipLength) {
  const std::string record = recordName(k);
  if (!(block.x2 > block.x1)) {
    return text(Text::WeightsOrder,
                {record, formatFixed(block.x1, 1, 3), formatFixed(block.x2, 1, 3)});
  }
  // Overhangs carry weight, but a block a ship's length beyond a
  // perpendicular is a mistyped position, and a strength table reaching
  // out to it would be absurdly long.
  if (block.x1 < -shipLength || block.x2 > 2.0 * shipLength) {
    return text(Text::WeightsOutsideShip,
                {record, formatFixed(-shipLength, 1, 3), formatFixed(2.0 * shipLength, 1, 3),
                 formatFixed(block.x1, 1, 3), formatFixed(block.x2, 1, 3)});
  }
  // A block shorter than the strength grid can tell apart would weigh in
  // W but load no interval.
  if (block.x2 - block.x1 < minimumBlockLength(shipLength)) {
    return text(Text::WeightsTooShort, {record, formatFixed(minimumBlockLength(shipLength), 1, 6),
                                        formatFixed(block.x1, 1, 6), formatFixed(block.x2, 1, 6)});
  }
  if (block.w1 < 0.0 || block.w2 < 0.0) {
    return text(Text::WeightsNegative,
                {record, formatFixed(block.w1, 1, 3), formatFixed(block.w2, 1, 3)});
  }
  return std::nullopt;
}

WeightDistribution readWeightsFile(const std::filesystem::path& path,
                                   const std::string& displayName, double shipLength) {
  WeightDistribution weights;
  InputFile file(path, displayName);
  weights.fileName = file.displayName();
  weights.title = file.readLine(std::string(text(Text::InputTitleLine)));
  const int firstRecordLine = file.line();

  while (file.moreFields()) {
    const int k = static_cast<int>(weights.blocks.size()) + 1;
    if (k > kMaxWeightBlocks) file.reject(tooManyRecordsText());
    const std::string record = recordName(k);
    double v[4] = {};
    int recordLine = 0;
    for (int i = 0; i < 4; ++i) {
      // A record cut short is a count of numbers that is not a multiple of
      // four: every later record would be read shifted.
      if (i > 0 && !file.moreFields()) {
        file.reject(text(Text::WeightsIncomplete, {record, std::to_string(i)}), recordLine);
      }
      v[i] = file.readField(record + kBlockFields[i]);
      if (i == 0) recordLine = file.lastLine();
    }
    const WeightBlock block{v[0], v[1], v[2], v[3]};
    if (const auto problem = weightBlockProblem(k, block, shipLength)) {
      file.reject(*problem, recordLine);
    }
    weights.blocks.push_back(block);
  }
  if (const auto problem = totalWeights(weights)) file.reject(*problem, firstRecordLine);
  return weights;
}

WeightDistribution weightsFromValues(std::string title, const std::vector<WeightBlock>& blocks,
                                     double shipLength) {
  const auto refuse = [](const std::string& text) {
    throw ProgramEnd(ExitReason::InputError, text);
  };
  WeightDistribution weights;
  weights.title = std::move(title);
  weights.fileName = text(Text::WeightsGivenName);
  if (blocks.size() > static_cast<std::size_t>(kMaxWeightBlocks)) refuse(tooManyRecordsText());
  for (const WeightBlock& block : blocks) {
    const int k = static_cast<int>(weights.blocks.size()) + 1;
    const double v[4] = {block.x1, block.x2, block.w1, block.w2};
    for (int i = 0; i < 4; ++i) {
      if (const auto problem = numberProblem(recordName(k) + kBlockFields[i], v[i]))
        refuse(*problem);
    }
    if (const auto problem = weightBlockProblem(k, block, shipLength)) refuse(*problem);
    weights.blocks.push_back(block);
  }
  if (const auto problem = totalWeights(weights)) refuse(*problem);
  return weights;
}

}  // namespace norvika
