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
        "Norvika.SON",
        "SEPHIYE.TXT",
        "bytes, modified",
        "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR"},
       20,
       5,
       "dtmb5415/case2-trochoid-crest",
       {"MUKAVEMET"}},
      {"with the strength step",
       {},
       "",
       0,
       {"MUKAVEMET.SON", "MUKAVEMET.TXT", "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR"},
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
       {"answer: \"E\"", "(status 3)", "Nothing was written", "not present",
        "Drawings: 1 of the run's 1 frames"},
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

}  // namespace
