// The command line of norvika-hydrostatics: the drafts a --drafts value gives,
// and one clear message for each value that cannot serve.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hydrostatics/draft_list.h"
#include "hydrostatics/hydrostatics_options.h"

namespace norvika {
namespace {

TEST(DraftList, RangesAndListsGiveTheirDrafts) {
  struct Row {
    const char* text;
    std::vector<double> drafts;
  };
  const Row rows[] = {
      {"1:5:1", {1, 2, 3, 4, 5}},
      {"1:2:0.5", {1, 1.5, 2}},
      // TO is not on a step: the last step below it.
      {"1:2.2:0.5", {1, 1.5, 2}},
      // 0.1 steps add up to a hair off 0.9; the last draft is TO itself.
      {"0.3:0.9:0.1", {0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}},
      {"6.15:6.15:1", {6.15}},
      {"2,3.5,6.15", {2, 3.5, 6.15}},
      {"+4", {4}},
      {"1e0:3e0:1", {1, 2, 3}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::string error;
    const auto drafts = parseDraftList(row.text, error);
    ASSERT_TRUE(drafts) << error;
    ASSERT_EQ(drafts->size(), row.drafts.size());
    for (std::size_t k = 0; k < row.drafts.size(); ++k) {
      EXPECT_NEAR((*drafts)[k], row.drafts[k], 1e-12) << "draft " << k;
    }
    EXPECT_EQ(drafts->back(), row.drafts.back()) << "the last draft is exactly the one asked for";
  }
}

TEST(DraftList, EachBadValueGetsItsMessage) {
  struct Row {
    const char* text;
    const char* error;
  };
  const Row rows[] = {
      {"",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '' in the "
       "list"},
      {"abc",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got 'abc' in "
       "the list"},
      {"1:2",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '1:2'"},
      {"1:2:3:4",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '1:2:3:4'"},
      {"1:5:0", "the step must be positive, got '0'"},
      {"1:5:-1", "the step must be positive, got '-1'"},
      {"5:1:1", "TO '1' is below FROM '5'; the drafts rise from FROM to TO"},
      {"nan:5:1",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got 'nan:5:1'"},
      {"1:inf:1",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '1:inf:1'"},
      {"1:5:NaN",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '1:5:NaN'"},
      {"1:1e400:1",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got "
       "'1:1e400:1'"},
      {"1:1e7:1",
       "expected a draft, the waterline's height above the base line from 0.001 to 1000000 m, got "
       "'1e7'"},
      {"0x1:5:1",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '0x1:5:1'"},
      {"1:1000:0.5", "from '1' to '1000' in steps of '0.5' would be more than 1000 drafts"},
      {"1:1e6:1e-300", "from '1' to '1e6' in steps of '1e-300' would be more than 1000 drafts"},
      {"0:5:1",
       "expected a draft, the waterline's height above the base line from 0.001 to 1000000 m, got "
       "'0'"},
      {"-1,2",
       "expected a draft, the waterline's height above the base line from 0.001 to 1000000 m, got "
       "'-1'"},
      {"0.0004,2",
       "expected a draft, the waterline's height above the base line from 0.001 to 1000000 m, got "
       "'0.0004'"},
      {"1e-300:1:0.1",
       "expected a draft, the waterline's height above the base line from 0.001 to 1000000 m, got "
       "'1e-300'"},
      {"2,,3",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '' in the "
       "list"},
      {"2,3,",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '' in the "
       "list"},
      {"6,5", "the drafts must rise, '5' follows a draft of 6.000 m"},
      {"5,5", "the drafts must rise, '5' follows a draft of 5.000 m"},
      {"1, 2",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got ' 2' in the "
       "list"},
      {"4\x1b[2J",
       "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000), got '4?[2J' in "
       "the list"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::string error;
    EXPECT_FALSE(parseDraftList(row.text, error));
    EXPECT_EQ(error, row.error);
  }
}

TEST(DraftList, AThousandDraftsAreTakenAndOneMoreIsNot) {
  std::string error;
  const auto thousand = parseDraftList("0.01:10:0.01", error);
  ASSERT_TRUE(thousand) << error;
  EXPECT_EQ(thousand->size(), 1000u);
  EXPECT_EQ(thousand->back(), 10.0);
  std::string list = "1";
  for (int k = 2; k <= 1001; ++k) list += "," + std::to_string(k);
  EXPECT_FALSE(parseDraftList(list, error));
  EXPECT_EQ(error, "1001 drafts listed, at most 1000");
}

TEST(HydrostaticsOptions, ValuesAndTheirRefusals) {
  std::string error;
  const auto options =
      parseHydrostaticsOptions({"-C", "run", "--drafts=1:3:1", "--trim", "-0.5", "--density", "1.0",
                                "--plots", "p", "--pdf", "r.pdf"},
                               error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->directory, "run");
  EXPECT_EQ(options->drafts, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(options->trim, -0.5);
  EXPECT_EQ(options->density, 1.0);
  EXPECT_TRUE(needsDrawings(*options));

  struct Row {
    std::vector<std::string> args;
    const char* error;
  };
  const Row rows[] = {
      {{"--drafts"}, "--drafts needs a value"},
      {{"--drafts", ""}, "--drafts needs a non-empty value"},
      {{"--drafts=5:1:1"}, "--drafts: TO '1' is below FROM '5'; the drafts rise from FROM to TO"},
      {{"--trim", "x"},
       "--trim: expected the trim Tf - Ta in metres (at most 1000000 in size), got 'x'"},
      {{"--trim", "nan"},
       "--trim: expected the trim Tf - Ta in metres (at most 1000000 in size), got 'nan'"},
      {{"--trim", "2e6"},
       "--trim: expected the trim Tf - Ta in metres (at most 1000000 in size), got '2e6'"},
      {{"--density", "0"},
       "--density: expected a water density from 0.5 to 2 t/m3 (1.025 for sea water), got '0'"},
      {{"--density", "-1.025"},
       "--density: expected a water density from 0.5 to 2 t/m3 (1.025 for sea water), got "
       "'-1.025'"},
      {{"--density", "1025"},
       "--density: expected a water density from 0.5 to 2 t/m3 (1.025 for sea water), got "
       "'1025'"},
      {{"--density", "1,025"},
       "--density: expected a water density from 0.5 to 2 t/m3 (1.025 for sea water), got "
       "'1,025'"},
      {{"--density", "1.0", "--density=1.025"}, "--density: given twice; give each option once"},
      {{"--drafts", "1e-300"},
       "--drafts: expected a draft, the waterline's height above the base line from 0.001 to "
       "1000000 m, got '1e-300'"},
      {{"-C", "a", "b"}, "give the run directory once (-C or a directory or task file, not both)"},
      {{"--help=yes"}, "--help takes no value"},
      {{"--batch"}, "unknown option '--batch' (see --help)"},
      {{"-stray"}, "unknown option '-stray' (see --help)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args.front());
    EXPECT_FALSE(parseHydrostaticsOptions(row.args, error));
    EXPECT_EQ(error, row.error);
  }
}

}  // namespace
}  // namespace norvika
