#include "model/hull_data_file.h"

#include <gtest/gtest.h>

#include "../run/run_files.h"
#include "platform/platform.h"

namespace norvika {
namespace {

using testing::RunDirectory;

HullModel readText(const std::string& text) {
  RunDirectory dir;
  dir.write("HULL.DAT", text);
  return readHullDataFile(dir.path() / "HULL.DAT", "HULL.DAT");
}

TEST(HullDataFile, RecordsMayShareLinesAndTitlesMayHoldCommas) {
  const HullModel hull = readText(
      "TITLE, WITH, COMMAS\n"
      "0\n0, 0, 1, 1, 2, 1\n2, 3, 1\n0, 0, 99\n"
      "10 0 1.5 1  2 3 0  4 3.5 1 0 0 9999\n"
      "STERN, CONTOUR\n0, -1, 1\n2, -0.5, 9999\n0, 0, 99\n"
      "BOW\r\n1, 10, 1\r\n0, 0, 99\r\n");
  ASSERT_EQ(hull.stationCount, 2);
  EXPECT_EQ(hull.stationX(2), 10.0);
  EXPECT_EQ(hull.pointCount(1), 3);
  EXPECT_EQ(hull.pointCount(2), 3);
  EXPECT_EQ(hull.pointZ(2, 3), 4.0);
  EXPECT_EQ(hull.pointCode(2, 2), 0.0);
  // Tables of the hull's own size: two stations and two contours of at most three points.
  EXPECT_EQ(hull.pointZ.rows(), 4);
  EXPECT_EQ(hull.pointZ.columns(), 3);
  // 9999 in a contour is an ordinary point.
  EXPECT_EQ(hull.pointCount(hull.sternCurve()), 2);
  EXPECT_EQ(hull.pointY(hull.sternCurve(), 2), -0.5);
  EXPECT_EQ(hull.pointCount(hull.bowCurve()), 1);
}

TEST(HullDataFile, ExtentsComeFromTheStationsOnly) {
  HullModel hull = readText(
      "T\n0\n0.5, 1, 1\n3, 2, 1\n0, 0, 99\n10\n0.75, 1, 1\n2, 1.5, 1\n0, 0, 9999\n"
      "STERN\n-9, -50, 1\n90, 70, 1\n0, 0, 99\nBOW\n0, 100, 1\n80, 120, 1\n0, 0, 99\n");
  computeHullExtents(hull);
  EXPECT_EQ(hull.stationCount, 2);
  EXPECT_EQ(hull.maxHalfBreadth, 2.0);
  EXPECT_EQ(hull.maxHeight, 3.0);
  EXPECT_EQ(hull.minTopHeight, 2.0);
  EXPECT_EQ(hull.keelHeight(1), 0.5);
  EXPECT_EQ(hull.keelHeight(2), 0.75);
}

TEST(HullDataFile, NegativeOffsetsLeaveTheExtentsAtZero) {
  HullModel hull = readText(
      "T\n0\n-2, -1, 1\n-1, -3, 1\n0, 0, 99\n5\n-2, -1, 1\n-1, -3, 1\n0, 0, 9999\nS\n0, 0, 1\n0, "
      "0, 99\nB\n0, 1, 1\n0, 0, 99\n");
  computeHullExtents(hull);
  EXPECT_EQ(hull.maxHalfBreadth, 0.0);
  EXPECT_EQ(hull.maxHeight, 0.0);
}

TEST(HullDataFile, MalformedFilesAreRejectedNamingTheLine) {
  const std::string tail = "S\n0, 0, 1\n0, 0, 99\nB\n0, 1, 1\n0, 0, 99\n";
  std::string hundredOne = "T\n";
  for (int i = 0; i < 101; ++i) hundredOne += std::to_string(i) + "\n0, 1, 1\n1, 1, 1\n0, 0, 99\n";
  std::string endless = "T\n0\n";
  for (int j = 0; j < 250; ++j) endless += std::to_string(j) + ", 1, 1\n";
  const struct {
    const char* what;
    std::string text;
    const char* message;
  } cases[] = {
      {"empty", "", "HULL.DAT 1. SATIR: DOSYA BITTI, BASLIK SATIRI BEKLENIYORDU"},
      {"ends in a station", "T\n0\n0, 1, 1\n1, 2",
       "HULL.DAT 4. SATIR: DOSYA BITTI, 1. POSTA 2. KAYIT KOD BEKLENIYORDU"},
      {"no contours", "T\n0\n0, 1, 1\n1, 1, 1\n0, 0, 9999\n",
       "HULL.DAT 6. SATIR: DOSYA BITTI, KIC BODOSLAMA BASLIK SATIRI BEKLENIYORDU"},
      {"text field", "T\n0\n0, 1, 1\n1, x1, 1\n",
       "HULL.DAT 4. SATIR: 1. POSTA 2. KAYIT YARI GENISLIK ICIN SAYI BEKLENIYORDU, 'x1' OKUNDU"},
      {"infinite", "T\n0\n0, 1e999, 1\n",
       "HULL.DAT 3. SATIR: 1. POSTA 1. KAYIT YARI GENISLIK ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR "
       "SAYI "
       "BEKLENIYORDU, '1e999' OKUNDU"},
      {"101 stations", hundredOne,
       "HULL.DAT 402. SATIR: EN FAZLA 100 POSTA OKUNABILIR; 100. POSTA 9999 KODU ILE BITMELIYDI"},
      {"no terminator", endless,
       "HULL.DAT 252. SATIR: 1. POSTA: 250 KAYIT ICINDE BITIS KODU (99 VEYA 9999) BEKLENIYORDU"},
      {"falling heights", "T\n0\n0, 1, 1\n2, 1, 1\n2, 1.5, 1\n0, 0, 9999\n" + tail,
       "HULL.DAT 5. SATIR: 1. POSTA 3. NOKTA: YUKSEKLIK BIR ONCEKI NOKTADAN BUYUK OLMALI (2.000 / "
       "2.000)"},
      {"empty station", "T\n0\n0, 0, 9999\n" + tail,
       "HULL.DAT 2. SATIR: 1. POSTA: EN AZ 2 NOKTA BEKLENIYORDU, 0 NOKTA OKUNDU"},
      {"empty contour", "T\n0\n0, 1, 1\n1, 1, 1\n0, 0, 9999\nS\n0, 0, 99\nB\n0, 1, 1\n0, 0, 99\n",
       "HULL.DAT 7. SATIR: KIC BODOSLAMA: EN AZ 1 NOKTA BEKLENIYORDU, 0 NOKTA OKUNDU"},
      {"one station", "T\n0\n0, 1, 1\n1, 1, 1\n0, 0, 9999\n" + tail,
       "HULL.DAT 2. SATIR: EN AZ 2 POSTA BEKLENIYORDU, 1 POSTA OKUNDU (9999 KODU SON POSTAYI "
       "BITIRIR)"},
      {"mistyped terminator", "T\n0\n0, 1, 1\n1, 1, 99.0000001\n10\n0, 1, 1\n1, 1, 9999\n" + tail,
       "HULL.DAT 4. SATIR: 1. POSTA 2. KAYIT KOD ICIN TAM SAYI BEKLENIYORDU (0 KIRIK NOKTA, 99 "
       "POSTA SONU, "
       "9999 SON POSTA), '99.0000001' OKUNDU"},
      {"stations out of order",
       "T\n5\n0, 1, 1\n1, 1, 1\n0, 0, 99\n4\n0, 1, 1\n1, 1, 1\n0, 0, 9999\n" + tail,
       "HULL.DAT 6. SATIR: 2. POSTA: POSTA YERI BIR ONCEKI POSTADAN BUYUK OLMALI (5.000 / 4.000)"},
  };
  for (const auto& c : cases) {
    try {
      readText(c.text);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const ProgramEnd& end) {
      EXPECT_EQ(end.reason(), ExitReason::InputError) << c.what;
      EXPECT_EQ(end.message(), c.message) << c.what;
    }
  }
}

}  // namespace
}  // namespace norvika
