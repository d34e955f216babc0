#include "quantities/hydrostatic_quantities.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/column_table.h"
#include "words/language.h"

namespace norvika {
namespace {

constexpr HydrostaticsPart kParts[] = {HydrostaticsPart::Volume, HydrostaticsPart::Stability,
                                       HydrostaticsPart::Form, HydrostaticsPart::Centres};

// A heading as wide as its column would push the rest of its line one place right.
TEST(HydrostaticQuantities, EveryHeadingFitsItsColumnAndEveryNameIsUnique) {
  std::set<std::string> python;
  std::set<std::string> file;
  for (const HydrostaticQuantity& q : hydrostaticQuantities()) {
    const std::string row = q.python.name;
    for (const Words& w : {q.report.heading, q.report.unit}) {
      EXPECT_LT(w.turkish.size(), static_cast<std::size_t>(q.report.width)) << row;
      EXPECT_LT(w.english.size(), static_cast<std::size_t>(q.report.width)) << row;
    }
    EXPECT_TRUE(python.insert(row).second) << row;
    EXPECT_TRUE(file.insert(std::string(q.file.name)).second) << row;
    EXPECT_EQ(q.file.name.find(' '), std::string_view::npos) << row;
    // Each a value of the row or a formula of it, never both.
    EXPECT_NE(q.value == nullptr, q.formula == nullptr) << row;
    if (q.value) {
      EXPECT_EQ(&hydrostaticQuantity(q.value), &q) << row;
    }
  }
}

// With KG, each part's columns follow the draft in the places 1, 2, ...
// without a gap or a twin; without it, those that need KG are left out.
TEST(HydrostaticQuantities, EachPartHoldsItsColumnsInPlaceOrder) {
  for (const bool withKg : {false, true}) {
    std::size_t columns = 0;
    for (const HydrostaticsPart part : kParts) {
      const auto list = reportColumns(part, withKg);
      ASSERT_FALSE(list.empty());
      EXPECT_EQ(list.front()->value, &HydrostaticRow::draft);
      for (std::size_t k = 1; k < list.size(); ++k) {
        const int place = list[k]->report.place;
        const std::string row = std::string(list[k]->python.name) + (withKg ? " with KG" : "");
        if (withKg) {
          EXPECT_EQ(place, static_cast<int>(k)) << row;
        } else {
          EXPECT_EQ(list[k]->report.reported, HydrostaticsReported::Always) << row;
        }
        EXPECT_GT(place, list[k - 1]->report.place) << row;
      }
      columns += list.size() - 1;
    }
    // Every quantity but the draft stands in one part; the table file holds them all.
    EXPECT_EQ(columns + 1, tableFileColumns(withKg).size()) << withKg;
  }
  EXPECT_EQ(tableFileColumns(true).size(), hydrostaticQuantities().size());
}

// The report's table in English: the same numbers in the same columns, the
// headings right-aligned where the Turkish ones stand.
TEST(HydrostaticQuantities, EnglishHeadingsKeepTheColumns) {
  Hydrostatics box;  // 100 m x 20 m box at 5 m draft in sea water
  HydrostaticRow row;
  row.draft = 5.0;
  row.volume = 10000.0;
  row.displacement = 10250.0;
  row.lcb = 50.0;
  row.kb = 2.5;
  row.waterplaneArea = 2000.0;
  row.lcf = 50.0;
  row.tpc = 20.5;
  box.rows.push_back(row);
  const auto volume = reportColumns(HydrostaticsPart::Volume, false);
  const auto table = [&](Language language) {
    const LanguageScope scope(language);
    ResultFile file("x");
    writeFixedTable(file, "TITLE", fixedColumns(volume), tableRows(box, volume));
    return file.text();
  };
  const std::string rule(79, '=');
  EXPECT_EQ(
      table(Language::English),
      " TITLE\r\n\r\n"
      "       T      VOLUME      DISPL.      LCB      KB       Awp      LCF      TPC\r\n"
      "     (m)        (m3)         (t)   (m AP)     (m)      (m2)   (m AP)   (t/cm)\r\n" +
          rule +
          "\r\n"
          "   5.000     10000.0     10250.0   50.000   2.500    2000.0   50.000   20.500\r\n" +
          rule + "\r\n\r\n\r\n");
  EXPECT_EQ(table(Language::Turkish).substr(10, 77),
            "       T       HACIM   DEPLASMAN      LCB      KB       Awp      LCF      TPC");
}

// A value wider than its column keeps one blank before it, a missing one is
// "-"; the plain table separates its values by one blank, whatever their size.
TEST(ColumnTable, AWideValueKeepsOneBlankBeforeIt) {
  const FixedColumn fixed[] = {{"A", "(m)", 6, 1}, {"B", "", 4, 2}};
  const PlainColumn plain[] = {{"A_m", 1}, {"B", 2}};
  const TableRow rows[] = {{1.25, 123.456}, {-12.34, 0.0}};
  ResultFile a("a");
  writeFixedTable(a, "T", fixed, rows);
  EXPECT_EQ(a.text(),
            " T\r\n\r\n     A   B\r\n   (m)    \r\n============\r\n"
            "   1.3 123.46\r\n -12.3 0.00\r\n============\r\n\r\n\r\n");
  ResultFile b("b");
  writePlainTable(b, plain, rows);
  EXPECT_EQ(b.text(), "A_m B\r\n1.3 123.46\r\n-12.3 0.00\r\n");
  EXPECT_EQ(rowLine(fixed, {kNoValue, 1234.5}), "     - 1234.50");
}

}  // namespace
}  // namespace norvika
