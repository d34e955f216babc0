#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculation/crest_sweep.h"
#include "calculation/displacement_balance.h"
#include "calculation/equal_spacing.h"
#include "calculation/heeled_condition.h"
#include "calculation/strength.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "model/weights_file.h"
#include "support/result_names.h"
#include "support/run_end.h"

namespace norvika {

/// A question of the run and the answer it took.
struct RunAnswer {
  std::string title;
  std::string prompt;
  std::string answer;
};

/// A stop's message box as the run showed it.
struct RunMessage {
  std::string title;
  std::string text;
};

/// A result file the run put in place, with the bytes it holds.
struct WrittenFile {
  ResultKind kind;
  std::filesystem::path path;
  std::string text;
};

/// Everything one run read, was told, reached and wrote, and how it ended;
/// built as the run goes, so a stop or a rejection keeps what came before it.
/// The reports, the terminal's summary, the desktop's closing box and the run
/// record read it, never the files on disk.
struct RunOutcome : AnalysisEnding {
  std::filesystem::path directory;

  // The inputs as read.
  std::optional<TaskParameters> task;
  std::optional<HullModel> hull;
  std::optional<WeightDistribution> weights;

  // The dialogue, in order.
  std::vector<RunAnswer> answers;
  std::vector<RunMessage> messages;

  // The results reached.
  std::optional<Balance> balance;    // cases 1-6, also when it stopped
  std::optional<HeeledHull> heeled;  // case 7
  std::optional<CentreOfBuoyancy> centre;
  std::optional<EqualSpacing> equalSpacing;
  std::optional<Strength> strength;
  std::optional<CrestSweep> sweep;  // --sweep: the wave's crest moved along the ship

  // The files.
  // In place (or kept here alone, as the settings say), in the order they were written.
  std::vector<WrittenFile> written;
  std::vector<std::string> removed;  // result files of an earlier run taken away

  /// The buoyancy the run reached (the balance's or the heeled hull's); none before.
  const Immersion* immersion() const;
  /// The result file of that kind this run put in place; none when it did not.
  const WrittenFile* file(ResultKind kind) const;
  /// The run's last answer; empty when nothing was asked.
  std::string lastAnswer() const;
  /// What ended a stopped run: its message, else the text of its last message box.
  std::string endingText() const;
};

}  // namespace norvika
