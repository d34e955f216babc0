// The PDF run record of whole runs, read back as text with pdftotext.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "../console/norvika_process.h"

namespace {

namespace fs = std::filesystem;
using namespace norvika::apptest;

// The text of each page of a PDF (pdftotext separates pages by form feeds).
std::vector<std::string> pdfPages(const fs::path& pdf) {
  const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
  std::vector<std::string> pages(1);
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\f') {
      pages.emplace_back();
    } else {
      pages.back() += static_cast<char>(c);
    }
  }
  ::pclose(pipe);
  if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos)
    pages.pop_back();
  return pages;
}

fs::path copyExample(const TemporaryDirectory& temp, const std::string& example) {
  const fs::path run = temp.path() / "run";
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples" / example, run, fs::copy_options::recursive);
  return run;
}

TEST(RunRecordFile, FirstPageSaysWhatTheRunReadAnsweredAndWrote) {
  struct Case {
    const char* name;
    std::vector<std::string> options;
    std::string answers;  // "" for --batch
    int status;
    std::vector<std::string> onFirstPage;
    int maxPages;  // 0: no bound checked
    int minPages;
    const char* example = "dtmb5415/case2-trochoid-crest";
    std::vector<std::string> notOnFirstPage = {};
  };
  const Case cases[] = {
      {"finished drawings",
       {},
       "",
       0,
       {"Norvika " NORVIKA_VERSION " - run record",
        "Started:",
        "Hull file:",
        "DTMB5415.DAT",
        "Ship length L:",
        "142 m",
        "1.025 t/m3",
        "2, trochoidal wave, crest amidships",
        "required displacement:",
        "8600 t",
        "wave height H:",
        "Equally spaced points:",
        "from 0 to 142 m from AP",
        "Stations:",
        "Largest half-breadth:",
        "POSTA KESITLERINDE YANLISLIK VAR MI",
        "answer: \"\"",
        "completed (status 0)",
        "Result files written by this run",
        "Norvika.SON",
        "SEPHIYE.TXT",
        " bytes",
        "PROGRAM CALISMASI TAMAMLANDI. SONUCLAR"},
       20,
       5,
       "dtmb5415/case2-trochoid-crest",
       {"MUKAVEMET"}},
      {"with the strength step",
       {},
       "",
       0,
       {"MUKAVEMET.SON", "MUKAVEMET.TXT", "PROGRAM CALISMASI TAMAMLANDI. SONUCLAR"},
       0,
       5,
       "dtmb5415/strength-trochoid-crest"},
      {"every frame",
       {"--pdf-frames", "all"},
       "",
       0,
       {"Drawings: 69 of the run's 69 frames"},
       0,
       70},
      {"geometry rejected at the first check",
       {},
       "E\n",
       3,
       {"answer: \"E\"", "(status 3)", "Nothing was written",
        "Result files written by this run\n  none", "Drawings: 1 of the run's 1 frames"},
       4,
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryDirectory temp;
    const fs::path run = copyExample(temp, c.example);
    const fs::path pdf = temp.path() / "record.pdf";
    std::vector<std::string> args;
    if (c.answers.empty()) {
      args = {"--batch"};
    } else {
      writeBytes(temp.path() / "answers.txt", c.answers);
      args = {"--console", "--answers", (temp.path() / "answers.txt").string()};
    }
    args.insert(args.end(), {"--pdf", pdf.string(), "-C", run.string()});
    args.insert(args.end(), c.options.begin(), c.options.end());
    const ProcessResult result = runNorvika(args);
    ASSERT_EQ(result.status, c.status) << result.standardError;

    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_FALSE(pages.empty());
    for (const std::string& field : c.onFirstPage) {
      EXPECT_NE(pages[0].find(field), std::string::npos) << field << "\n" << pages[0];
    }
    for (const std::string& field : c.notOnFirstPage) {
      EXPECT_EQ(pages[0].find(field), std::string::npos) << field << "\n" << pages[0];
    }
    const int count = static_cast<int>(pages.size());
    if (c.maxPages > 0) {
      EXPECT_LE(count, c.maxPages);
    }
    EXPECT_GE(count, c.minPages);
    for (int n = 1; n <= count; ++n) {
      const std::regex number("(^|\\s)" + std::to_string(n) + " ?/ ?" + std::to_string(count) +
                              "(\\s|$)");
      EXPECT_TRUE(std::regex_search(pages[static_cast<std::size_t>(n - 1)], number))
          << "page " << n << " of " << count;
    }
  }
}

// A record is filed: it shows the values of its own run only, never what an
// earlier run left on disc. A stopped run after a completed one in the same
// directory has no report of its own; a strength run with a sweep lists its five files
// and shows MUKAVEMET.SON after the report.
TEST(RunRecordFile, ShowsOnlyItsOwnRun) {
  TemporaryDirectory temp;
  const fs::path run = copyExample(temp, "box-barge/case1-level");
  ASSERT_EQ(
      runNorvika({"--batch", "--pdf", (temp.path() / "a.pdf").string(), "-C", run.string()}).status,
      0);
  std::string task = fileBytes(run / "Norvika.TSK");
  const std::size_t line63 = [&] {
    std::size_t at = 0;
    for (int line = 1; line < 63; ++line) at = task.find('\n', at) + 1;
    return at;
  }();
  task.replace(line63, task.find('\n', line63) - line63, "990000\r");
  writeBytes(run / "Norvika.TSK", task);
  const ProcessResult stopped =
      runNorvika({"--batch", "--pdf", (temp.path() / "b.pdf").string(), "-C", run.string()});
  ASSERT_EQ(stopped.status, 2) << stopped.standardError;

  // The text with its runs of blanks made one, as the page lays them out.
  std::string record;
  for (const std::string& page : pdfPages(temp.path() / "b.pdf")) {
    for (const char c : page) {
      if (c != ' ' || record.empty() || record.back() != ' ') record += c;
    }
  }
  for (const char* shown :
       {"required displacement: 990000 t", "(status 2): 990000.0 ton",
        "Result files written by this run\n none", "Norvika.SON was not written."}) {
    EXPECT_NE(record.find(shown), std::string::npos) << shown << "\n" << record;
  }
  for (const char* earlier : {"10250", "SEPHIYE HESABI", "bytes"}) {
    EXPECT_EQ(record.find(earlier), std::string::npos) << earlier << "\n" << record;
  }

  TemporaryDirectory other;
  const fs::path strength = copyExample(other, "dtmb5415/strength-trochoid-crest");
  ASSERT_EQ(runNorvika({"--batch", "--sweep", "8", "--pdf", (other.path() / "c.pdf").string(), "-C",
                        strength.string()})
                .status,
            0);
  const std::vector<std::string> strengthPages = pdfPages(other.path() / "c.pdf");
  const std::string& first = strengthPages.front();
  for (const std::string name :
       {"Norvika.SON", "SEPHIYE.TXT", "MUKAVEMET.SON", "MUKAVEMET.TXT", "TARAMA.TXT"}) {
    const std::string bytes = std::to_string(fs::file_size(strength / name)) + " bytes";
    EXPECT_NE(first.find(bytes), std::string::npos) << name << "\n" << first;
  }
  EXPECT_NE(first.find("Weights file Norvika.AGR"), std::string::npos) << first;
  // MUKAVEMET.SON's text follows the report, its sweep summary to the end.
  std::string text;
  for (const std::string& page : strengthPages) text += page;
  const std::size_t report = text.find("HESAPLANAN DEPLASMAN");
  const std::size_t strengthReport = text.find("BOYUNA MUKAVEMET HESABI - BASLAMA");
  ASSERT_NE(report, std::string::npos);
  ASSERT_NE(strengthReport, std::string::npos);
  EXPECT_LT(report, strengthReport);
  for (const char* line : {"EN BUYUK KESME KUVVETI (-)", "DALGA TEPESI TARAMASI: 8 TEPE YERI",
                           "BOYUNA MUKAVEMET HESABI - BITIS"}) {
    EXPECT_NE(text.find(line, strengthReport), std::string::npos) << line;
  }
}

}  // namespace
