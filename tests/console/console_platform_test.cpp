#include "console/console_platform.h"

#include <gtest/gtest.h>

#include <sstream>

namespace norvika {
namespace {

TEST(ConsolePlatform, AnswersAreTheLinesAsTyped) {
  // Blanks kept, an empty line takes the default, a CR of a Windows terminal is not part of
  // the answer, and the end of input cancels (an empty answer).
  std::istringstream in(" E \n\nevet\r\n");
  std::ostringstream out, err;
  ConsolePlatform console(".", ConsolePlatform::Mode::Interactive, in, out, err);
  EXPECT_EQ(console.inputBox("SORU", " ", "H", 4000, 8500), " E ");
  EXPECT_EQ(console.inputBox("SORU", " ", "H", 4000, 8500), "H");
  EXPECT_EQ(console.inputBox("SORU", " ", "H", 4000, 8500), "evet");
  EXPECT_EQ(console.inputBox("SORU", " ", "H", 4000, 8500), "");
  EXPECT_NE(out.str().find("SORU [H]: "), std::string::npos);
}

TEST(ConsolePlatform, BatchTakesDefaultsWithoutReading) {
  std::istringstream in("E\n");
  std::ostringstream out, err;
  ConsolePlatform console(".", ConsolePlatform::Mode::Batch, in, out, err);
  EXPECT_EQ(console.inputBox("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", "DEVAM BOLUMU", "", 1, 2), "");
  EXPECT_EQ(console.inputBox("SORU", "BASLIK", "H", 1, 2), "H");
  EXPECT_EQ(in.tellg(), 0) << "standard input must stay unread";
  EXPECT_NE(out.str().find("[BASLIK] SORU [H]: H"), std::string::npos);
}

TEST(ConsolePlatform, ReportTextGoesToOutputAndMessagesToErrors) {
  std::istringstream in;
  std::ostringstream out, err;
  ConsolePlatform console(".", ConsolePlatform::Mode::Batch, in, out, err);
  console.window(WindowId::Report).print("HESAPLANAN DEPLASMAN =   10250.0 ton. ");
  console.window(WindowId::Graph).print(" 21 POSTADA SEPHIYE DAGILIMI");
  console.messageBox("Bu deplasmanda hesap mumkun degil - STOP ", 276, "Uyari mesaji");
  EXPECT_EQ(out.str(), "HESAPLANAN DEPLASMAN =   10250.0 ton. \n");
  EXPECT_EQ(err.str(), "Uyari mesaji: Bu deplasmanda hesap mumkun degil - STOP \n");
}

}  // namespace
}  // namespace norvika
