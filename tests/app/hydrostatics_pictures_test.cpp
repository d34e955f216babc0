// norvika-hydrostatics with --plots and --pdf: it starts the desktop program,
// which draws the curves of form and the Bonjean curves with the program's
// renderer into PNG and SVG files and a PDF record; what it cannot write ends
// the run with status 4 after the result files, what cannot serve is refused
// before the run with status 1.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../console/norvika_process.h"
#include "image_checks.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

fs::path copyExample(const TemporaryDirectory& temp, const std::string& example) {
  const fs::path run = temp.path() / "run";
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples" / example, run, fs::copy_options::recursive);
  return run;
}

ProcessResult hydrostatics(const std::vector<std::string>& arguments) {
  return runProgram(NORVIKA_HYDROSTATICS_BINARY, arguments);
}

std::string pdfText(const fs::path& pdf) {
  std::string text;
  FILE* pipe = ::popen(("pdftotext -layout '" + pdf.string() + "' -").c_str(), "r");
  if (pipe == nullptr) return text;
  for (int c; (c = std::fgetc(pipe)) != EOF;) text += static_cast<char>(c);
  ::pclose(pipe);
  return text;
}

TEST(HydrostaticsPictures, PlotsAndRecordOfTheDtmbExample) {
  TemporaryDirectory temp;
  const fs::path run = copyExample(temp, "dtmb5415/hydrostatics");
  const fs::path plots = temp.path() / "plots";
  const fs::path pdf = temp.path() / "record.pdf";

  const ProcessResult result = hydrostatics(
      {"-C", run.string(), "--drafts", "2:10:1", "--plots", plots.string(), "--pdf", pdf.string()});

  ASSERT_EQ(result.status, 0) << result.standardError;
  for (const char* file : {"HIDROSTATIK.SON", "HIDROSTATIK.TXT", "BONJEAN.TXT"}) {
    EXPECT_TRUE(fs::is_regular_file(run / file)) << file;
  }
  const QImage curves(QString::fromStdString((plots / "curves-of-form.png").string()));
  const QImage bonjean(QString::fromStdString((plots / "bonjean-curves.png").string()));
  ASSERT_FALSE(curves.isNull());
  ASSERT_FALSE(bonjean.isNull());
  EXPECT_EQ(curves.size(), QSize(1440, 1080));
  EXPECT_EQ(bonjean.size(), QSize(1600, 800));
  EXPECT_GT(testing::inkedPixels(curves, curves.rect()), 20000) << "curves, scales and labels";
  EXPECT_GT(testing::inkedPixels(bonjean, bonjean.rect()), 20000) << "profile and curves";
  for (const char* svg : {"curves-of-form.svg", "bonjean-curves.svg"}) {
    EXPECT_NE(fileBytes(plots / svg).find("<svg"), std::string::npos) << svg;
  }

  const std::string text = pdfText(pdf);
  for (const char* wanted :
       {"norvika-hydrostatics " NORVIKA_VERSION, "GEMI BOYU L:", "142 m",
        "L/2 'DEKI DRAFTLAR:", "9, 2 m ILE 10 m ARASI", "HESAP KLASORUNDEKI SONUC",
        "HIDROSTATIK HESAP - BASLAMA", "FORM EGRILERI (HIDROSTATIK EGRILER)", "BONJEAN EGRILERI"}) {
    EXPECT_NE(text.find(wanted), std::string::npos) << wanted;
  }
}

TEST(HydrostaticsPictures, WhatCannotServeIsRefusedAndWhatCannotBeWrittenIsTold) {
  struct Case {
    const char* what;
    std::vector<std::string> options;  // "@" stands for the run directory
    const char* linkTo;                // when set, @/out.pdf is made a link to this
    int status;
    const char* message;  // the first line of standard error, "@" for the run directory
    bool resultsWritten;
  };
  const Case cases[] = {
      {"--plots naming a file",
       {"--plots", "@/Norvika.TSK"},
       nullptr,
       1,
       "norvika-hydrostatics: --plots: '@/Norvika.TSK' is not a directory",
       false},
      {"--pdf naming the task file",
       {"--pdf", "@/Norvika.TSK"},
       nullptr,
       1,
       "norvika-hydrostatics: --pdf would replace '@/Norvika.TSK', which is not a PDF",
       false},
      {"--pdf naming a directory",
       {"--pdf", "@"},
       nullptr,
       1,
       "norvika-hydrostatics: '@' is a directory",
       false},
      {"--pdf naming a result file of norvika",
       {"--pdf", "@/SEPHIYE.TXT"},
       nullptr,
       1,
       "norvika-hydrostatics: --pdf would replace '@/SEPHIYE.TXT', a result file of Norvika",
       false},
      {"--pdf on a device that takes nothing",
       {"--pdf", "/dev/full"},
       nullptr,
       4,
       "norvika-hydrostatics: cannot write the run record '/dev/full'",
       true},
      {"--pdf on a link to standard output",
       {"--pdf", "@/out.pdf"},
       "/proc/self/fd/1",
       0,
       "",
       true},
      {"--pdf on a link to a file",
       {"--pdf", "@/out.pdf"},
       "Norvika.TSK",
       1,
       "norvika-hydrostatics: '@/out.pdf' is a link; an output is never written through a link "
       "or in its place (but to a device): name the file itself",
       false},
      {"a directory where a picture goes",
       {"--plots", "@/plots"},
       nullptr,
       4,
       "norvika-hydrostatics: cannot write the picture '@/plots/curves-of-form.png'",
       true},
      {"a bad draft with --plots",
       {"--plots", "@/plots", "--drafts", "20"},
       nullptr,
       1,
       "norvika-hydrostatics: DRAFT T = 20.000 m: 1. POSTADA SU HATTI GUVERTEYI ASIYOR (SU HATTI = "
       "20.000 m, GUVERTE = 10.000 m)",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temp;
    const fs::path run = copyExample(temp, "box-barge/hydrostatics");
    fs::create_directories(run / "plots" / "curves-of-form.png");
    const auto here = [&](std::string text) {
      for (std::size_t at; (at = text.find('@')) != std::string::npos;)
        text.replace(at, 1, run.string());
      return text;
    };
    std::vector<std::string> arguments = {"-C", run.string()};
    for (const std::string& o : c.options) arguments.push_back(here(o));
    if (c.linkTo != nullptr) fs::create_symlink(c.linkTo, run / "out.pdf");

    const ProcessResult result = hydrostatics(arguments);

    EXPECT_EQ(result.status, c.status) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), here(c.message));
    EXPECT_EQ(fs::exists(run / "HIDROSTATIK.SON"), c.resultsWritten);
    EXPECT_EQ(fileBytes(run / "Norvika.TSK").substr(0, 8), "NORVIKA ") << "the task file kept";
    if (c.linkTo != nullptr) {
      EXPECT_EQ(fs::read_symlink(run / "out.pdf"), c.linkTo);
    }
  }
}

}  // namespace
}  // namespace norvika::apptest
