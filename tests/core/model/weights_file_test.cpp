#include "model/weights_file.h"

#include <gtest/gtest.h>

#include "../run/run_files.h"
#include "support/run_end.h"

namespace norvika {
namespace {

using testing::RunDirectory;

WeightDistribution readText(const std::string& text) {
  RunDirectory dir;
  dir.write("Norvika.AGR", text);
  return readWeightsFile(dir.path() / "Norvika.AGR", "Norvika.AGR", 100.0);
}

TEST(WeightsFile, TotalsOfOverlappingAndSlopingBlocks) {
  const struct {
    const char* what;
    const char* text;
    std::size_t blocks;
    double total;
    double centre;
  } cases[] = {
      {"one uniform block", "T\n0, 100, 102.5, 102.5\n", 1, 10250.0, 50.0},
      // A triangle's centroid stands at two thirds of its length.
      {"triangle rising forward", "T\n0 90 0 10\n", 1, 450.0, 60.0},
      {"linear 82 to 123", "T\n0,100,82,123\n", 1, 10250.0, 160.0 / 3.0},
      // 8000 t at 50 m and 2250 t at 50 m.
      {"overlapping blocks", "T\n0, 100, 80, 80\n25, 75, 45, 45\n", 2, 10250.0, 50.0},
      // An overhang aft of AP: 100 t at -5 m and 100 t at 5 m.
      {"overhang, records across lines, CR LF",
       "T, WITH COMMA\r\n-10, 0,\r\n10, 10 0 10\r\n10 10\r\n", 2, 200.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const WeightDistribution w = readText(c.text);
    EXPECT_EQ(w.blocks.size(), c.blocks);
    EXPECT_NEAR(w.total, c.total, 1e-9 * c.total);
    EXPECT_NEAR(w.centre, c.centre, 1e-9 * 100.0);
  }
}

TEST(WeightsFile, TitleKeptAndFoundIgnoringCase) {
  RunDirectory dir;
  EXPECT_FALSE(findWeightsFile(dir.path()).has_value());
  dir.write("norvika.agr", "GEMI AGIRLIKLARI, 2024\n0 10 1 1\n");
  const auto found = findWeightsFile(dir.path());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->filename(), "norvika.agr");
  EXPECT_EQ(readWeightsFile(*found, "norvika.agr", 100.0).title, "GEMI AGIRLIKLARI, 2024");
}

TEST(WeightsFile, MalformedRecordsNameTheirLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"T\n0 10 1 1\n\n5 5 1 1\n",
       "Norvika.AGR 4. SATIR: 2. AGIRLIK KAYDI X2 X1 'DEN BUYUK OLMALI (5.000 / 5.000)"},
      {"T\n0 10 1\n",
       "Norvika.AGR 2. SATIR: 1. AGIRLIK KAYDI EKSIK: x1, x2, w1, w2 ICIN 4 SAYI BEKLENIYORDU, 3 "
       "SAYI OKUNDU"},
      {"T\n", "Norvika.AGR 2. SATIR: EN AZ 1 AGIRLIK KAYDI (x1, x2, w1, w2) BEKLENIYORDU"},
      {"T\n0 10 0 -0.5\n",
       "Norvika.AGR 2. SATIR: 1. AGIRLIK KAYDI AGIRLIK (t/m) NEGATIF OLAMAZ (0.000 / -0.500)"},
      // 1e-9 t/m over 2000 km passes the check of the total, and would make
      // the strength table absurdly long.
      {"T\n0 100 102.5 102.5\n-1e6 1e6 1e-9 1e-9\n",
       "Norvika.AGR 3. SATIR: 2. AGIRLIK KAYDI GEMININ DISINDA: X1 VE X2 -100.000 ILE 200.000 m "
       "ARASINDA OLMALI (BIR GEMI BOYU ICINDE) (-1000000.000 / 1000000.000)"},
      {"T\n-100 0 1 1\n100 200.001 1 1\n",
       "Norvika.AGR 3. SATIR: 2. AGIRLIK KAYDI GEMININ DISINDA: X1 VE X2 -100.000 ILE 200.000 m "
       "ARASINDA OLMALI (BIR GEMI BOYU ICINDE) (100.000 / 200.001)"},
      // Shorter than the strength grid tells apart: it would weigh in W and load nothing.
      {"T\n0 100 1 1\n50 50.00000001 1e6 1e6\n",
       "Norvika.AGR 3. SATIR: 2. AGIRLIK KAYDI COK KISA: X2 - X1 EN AZ 0.000100 m OLMALI "
       "(50.000000 / 50.000000)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      readText(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const ProgramEnd& end) {
      EXPECT_EQ(end.reason(), ExitReason::InputError);
      EXPECT_EQ(end.message(), c.message);
    }
  }
}

}  // namespace
}  // namespace norvika
