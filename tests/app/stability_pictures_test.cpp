// norvika-stability with --plots and --pdf: it starts the desktop program,
// which draws the cross curves and the GZ curve with the program's renderer
// into PNG and SVG files and a PDF record.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../console/norvika_process.h"
#include "image_checks.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

TEST(StabilityPictures, PlotsAndRecordOfTheDtmbExample) {
  TemporaryDirectory temp;
  const fs::path run = temp.path() / "run";
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415/stability", run);
  std::vector<std::string> arguments = {"-C",      run.string(),
                                        "--plots", (temp.path() / "plots").string(),
                                        "--pdf",   (temp.path() / "record.pdf").string()};
  std::ifstream args(run / "norvika-stability.args");
  for (std::string line; std::getline(args, line);) arguments.push_back(line);

  const ProcessResult result = runProgram(NORVIKA_STABILITY_BINARY, arguments);

  ASSERT_EQ(result.status, 0) << result.standardError;
  for (const char* name : {"cross-curves", "gz-curve"}) {
    const QImage picture(QString::fromStdString((temp.path() / "plots" / name).string() + ".png"));
    ASSERT_FALSE(picture.isNull()) << name;
    EXPECT_EQ(picture.size(), QSize(1440, 1080)) << name;
    EXPECT_GT(testing::inkedPixels(picture, picture.rect()), 20000) << name;
    EXPECT_NE(fileBytes(temp.path() / "plots" / (std::string(name) + ".svg")).find("<svg"),
              std::string::npos)
        << name;
  }
  std::string text;
  FILE* pipe =
      ::popen(("pdftotext -layout '" + (temp.path() / "record.pdf").string() + "' -").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  for (int c; (c = std::fgetc(pipe)) != EOF;) text += static_cast<char>(c);
  ::pclose(pipe);
  for (const char* wanted : {"norvika-stability " NORVIKA_VERSION, "YUKLEME DURUMU:",
                             "STABILITE HESABI - BASLAMA", "KN CAPRAZ EGRILERI", "GZ EGRISI"}) {
    EXPECT_NE(text.find(wanted), std::string::npos) << wanted;
  }
}

}  // namespace
}  // namespace norvika::apptest
