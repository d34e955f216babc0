// The curves of form and the Bonjean curves as display lists: round scales,
// each quantity where its scale puts it, each station's curve where the
// area scale puts it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "../calculation/hydrostatic_hulls.h"
#include "calculation/bonjean.h"
#include "calculation/hydrostatics.h"
#include "platform/colour.h"
#include "platform/recording_platform.h"
#include "plots/bonjean_curves.h"
#include "plots/curves_of_form.h"
#include "plots/round_axis.h"
#include "plots/text_extent.h"
#include "words/language.h"

namespace norvika {
namespace {

TEST(RoundAxis, StepsOfOneTwoOrFiveHoldTheValues) {
  struct Row {
    double smallest, largest;
    double low, high, step;
    int decimals;
  };
  const Row rows[] = {
      {0.0, 20500.0, 0.0, 25000.0, 5000.0, 0},
      {0.5, 5.0, 0.0, 5.0, 1.0, 0},
      {64.2, 73.7, 64.0, 74.0, 2.0, 0},
      {9.45, 10.16, 9.4, 10.2, 0.2, 1},
      {0.3616, 1.0, 0.2, 1.0, 0.2, 1},
      // A constant gets an axis a tenth of its size either side.
      {50.0, 50.0, 44.0, 56.0, 2.0, 0},
      {0.0, 0.0, -1.0, 1.0, 0.5, 1},
      // A value a rounding error past a step stays on it.
      {0.0, 10.000000000001, 0.0, 10.0, 2.0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.smallest) + " .. " + std::to_string(r.largest));
    const RoundAxis axis = roundAxis(r.smallest, r.largest, 5);
    EXPECT_DOUBLE_EQ(axis.low, r.low);
    EXPECT_DOUBLE_EQ(axis.high, r.high);
    EXPECT_DOUBLE_EQ(axis.step, r.step);
    EXPECT_EQ(axis.decimals, r.decimals);
    EXPECT_GE(axis.fraction(r.smallest), 0.0);
    EXPECT_LE(axis.fraction(r.largest), 1.0 + 1e-9);
  }
}

bool hasText(const Frame& frame, const std::string& text) {
  return std::any_of(frame.items.begin(), frame.items.end(), [&](const Primitive& p) {
    return p.kind == PrimitiveKind::Text && p.text == text;
  });
}

// A line of `colour` that ends at (x, y).
bool hasLineTo(const Frame& frame, Colour colour, double x, double y) {
  return std::any_of(frame.items.begin(), frame.items.end(), [&](const Primitive& p) {
    return p.kind == PrimitiveKind::Line && p.colour == colour && std::fabs(p.x2 - x) < 1e-9 &&
           std::fabs(p.y2 - y) < 1e-9;
  });
}

// The box barge's KB runs from 0.5 m at T = 1 m to 5 m at T = 10 m, straight, on a scale of
// 0 to 5 m, and the drafts stand on an axis of 0 to 10 m: its curve, smooth through the three
// drafts, stays the straight line, from a tenth of the way across and up its panel to the
// panel's top right corner. The design draft crosses every panel.
TEST(CurvesOfForm, TheBoxBargesKbRunsStraightToTheCornerOfItsPanel) {
  const auto hull = hydrotest::boxBarge(21, 100.0, 10.0, 10.0);
  Hydrostatics table;
  ASSERT_EQ(computeHydrostatics(*hull, {100.0, 1.025, 0.0, {1.0, 4.0, 10.0}}, table).stop,
            HydrostaticsStop::None);
  RecordingPlatform platform;
  drawCurvesOfForm(platform, table, 6.0);
  platform.finishAllFrames();
  const auto& frames = platform.finishedFrames(WindowId::Graph);
  ASSERT_EQ(frames.size(), 1u);
  const Frame& frame = frames[0];
  // The KB curve: the first run of lines in its colour (the coefficient Cm shares it).
  std::vector<const Primitive*> kb;
  for (const Primitive& p : frame.items) {
    const bool curve = p.kind == PrimitiveKind::Line && p.colour == rgbColour(44, 160, 44);
    if (curve) kb.push_back(&p);
    if (!curve && !kb.empty()) break;
  }
  ASSERT_GT(kb.size(), 10u);
  const double x0 = kb.front()->x1, y0 = kb.front()->y1;
  const double x1 = kb.back()->x2, y1 = kb.back()->y2;
  for (const Primitive* p : kb) {
    EXPECT_NEAR((p->x2 - x0) * (y1 - y0), (p->y2 - y0) * (x1 - x0), 1e-9);  // on the line
  }
  // The panel's frame: its top edge runs left from the corner, its right edge up to it.
  const Colour frameColour = rgbColour(190, 190, 190);
  double left = 0.0, bottom = 0.0;
  for (const Primitive& p : frame.items) {
    if (p.kind != PrimitiveKind::Line || p.colour != frameColour) continue;
    if (p.x1 == x1 && p.y1 == y1) left = p.x2;
    if (p.x2 == x1 && p.y2 == y1) bottom = p.y1;
  }
  ASSERT_LT(left, x1);
  ASSERT_LT(bottom, y1);
  EXPECT_NEAR(x0, left + 0.1 * (x1 - left), 1e-9);
  EXPECT_NEAR(y0, bottom + 0.1 * (y1 - bottom), 1e-9);
  const auto design = std::count_if(frame.items.begin(), frame.items.end(), [](const Primitive& p) {
    return p.kind == PrimitiveKind::Line && p.colour == rgbColour(80, 80, 80);
  });
  EXPECT_GE(design, 11);  // dashes across each of the eleven panels and the legend's sample
  for (const char* text :
       {"FORM EGRILERI (HIDROSTATIK EGRILER)", "DRAFT T (m)", "KB (m)", "DEPLASMAN (ton)",
        "KATSAYILAR", "Cb", "Cwp", "MCT 1 cm (t.m/cm)", "TASARIM DRAFTI", "T = 6.000 m"}) {
    EXPECT_TRUE(hasText(frame, text)) << text;
  }
  for (const Primitive& p : frame.items) {
    ASSERT_TRUE(std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) &&
                std::isfinite(p.y2));
  }
}

// Each panel's title ends before the next panel's begins, in each language:
// a longer legend in a quantity's description would run into its neighbour.
TEST(CurvesOfForm, PanelTitlesKeepClearOfEachOtherInEachLanguage) {
  const auto hull = hydrotest::boxBarge(21, 100.0, 10.0, 10.0);
  Hydrostatics table;
  ASSERT_EQ(computeHydrostatics(*hull, {100.0, 1.025, 0.0, {1.0, 4.0, 10.0}}, table).stop,
            HydrostaticsStop::None);
  for (const Language language : {Language::Turkish, Language::English}) {
    const LanguageScope scope(language);
    RecordingPlatform platform;
    drawCurvesOfForm(platform, table, 6.0);
    platform.finishAllFrames();
    std::vector<const Primitive*> texts;
    for (const Primitive& p : platform.finishedFrames(WindowId::Graph).at(0).items) {
      if (p.kind == PrimitiveKind::Text) texts.push_back(&p);
    }
    for (const Primitive* a : texts) {
      for (const Primitive* b : texts) {
        if (a->y1 != b->y1 || a->x1 >= b->x1) continue;
        EXPECT_LT(a->x1 + textWidthShare(a->text, a->fontSize), b->x1)
            << a->text << " runs into " << b->text;
      }
    }
  }
}

// A box of 200 m2 sections on stations 5 m apart: the largest area spans two
// and a half station spacings, so each area curve ends 12.5 m forward of its
// station at the deck, and the moment curve (1000 m3 there) as far.
TEST(BonjeanCurves, EachStationsAreaRunsForwardOfItsStationLine) {
  const auto hull = hydrotest::boxBarge(21, 100.0, 10.0, 10.0);
  const BonjeanCurves curves = computeBonjeanCurves(*hull);
  RecordingPlatform platform;
  drawBonjeanCurves(platform, *hull, curves, 100.0);
  platform.finishAllFrames();
  const auto& frames = platform.finishedFrames(WindowId::ShipPosition);
  ASSERT_EQ(frames.size(), 1u);
  for (const double x : {0.0, 50.0, 100.0}) {
    EXPECT_TRUE(hasLineTo(frames[0], qbColor(1), x + 12.5, 10.0)) << "area at x = " << x;
    EXPECT_TRUE(hasLineTo(frames[0], qbColor(12), x + 12.5, 10.0)) << "moment at x = " << x;
    EXPECT_TRUE(hasLineTo(frames[0], qbColor(1), x + 6.25, 5.0)) << "half the area at half height";
  }
  EXPECT_TRUE(hasText(frames[0], "100 m2 KESIT ALANI"));
  EXPECT_TRUE(hasText(frames[0], "20"));  // FP, the waterline check's number
}

}  // namespace
}  // namespace norvika
