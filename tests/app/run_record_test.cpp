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

// The captions of the drawing pages ("05  POSTA KESITLERI (BODY PLAN)"): each such page's
// first line.
std::vector<std::string> drawingCaptions(const std::vector<std::string>& pages) {
  static const std::regex caption("^\\s*[0-9]{2}\\s+([A-Z].*\\S)\\s*$");
  std::vector<std::string> captions;
  for (const std::string& page : pages) {
    std::smatch match;
    const std::string first = page.substr(0, page.find('\n'));
    if (std::regex_match(first, match, caption)) captions.push_back(match[1]);
  }
  return captions;
}

// Words of the Turkish record that an English one never shows, and the other way round.
const std::vector<std::string> kTurkishWords = {
    "HESAP", "POSTA", "CEVAP", "DOSYA", "TAMAMLANDI", "YANLISLIK", "BODOSLAMA", "BAYT", "CIKIS"};
const std::vector<std::string> kEnglishWords = {"run record", "Started",     "Ship length",
                                                "answer",     "completed",   "status",
                                                "bytes",      "Result files"};

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
    std::vector<std::string> captions = {};  // the first drawings' captions, in order
    std::vector<std::string> notInCaptions = {};
  };
  const Case cases[] = {
      {"finished drawings, in Turkish",
       {},
       "",
       0,
       {"Norvika " NORVIKA_VERSION " - HESAP KAYDI",
        "BASLAMA ZAMANI:",
        "HESAP KLASORU:",
        "GIRIS DOSYASI Norvika.TSK",
        "FORM DOSYASI:",
        "DTMB5415.DAT",
        "GEMI BOYU L:",
        "142 m",
        "1.025 t/m3",
        "2, TROKOID DALGA TEPESI",
        "ISTENEN DEPLASMAN:",
        "8600 t",
        "DALGA YUKSEKLIGI H:",
        "ESIT ARALIKLI NOKTALAR:",
        "29, AP 'den 0 m ILE 142 m ARASI",
        "POSTALAR:",
        "EN BUYUK YARI GENISLIK:",
        "CEVAPLAR",
        "POSTA KESITLERINDE YANLISLIK VAR MI",
        "CEVAP: \"\"",
        "HESAP SONU: TAMAMLANDI (CIKIS DURUMU 0)",
        "BU HESABIN YAZDIGI SONUC DOSYALARI",
        "Norvika.SON",
        "SEPHIYE.TXT",
        " BAYT",
        "PROGRAM CALISMASI TAMAMLANDI. SONUCLAR",
        "DOSYALARINA YAZILDI",
        "CIZIMLER: HESABIN"},
       20,
       5,
       "dtmb5415/case2-trochoid-crest",
       kEnglishWords,
       {"POSTA KESITLERI (BODY PLAN)", "KIC BODOSLAMA", "BAS BODOSLAMA",
        "SU HATTI KESIM NOKTALARI KONTROLU", "POSTALARDA SEPHIYE DAGILIMI"},
       {"STATION", "CONTOUR", "CHECK", "BUOYANCY"}},
      {"finished drawings, in English",
       {"--language", "en"},
       "",
       0,
       {"Norvika " NORVIKA_VERSION " - run record",
        "Started:", "Run directory:", "Task file Norvika.TSK",
        "Hull file:", "Ship length L:", "2, TROCHOIDAL WAVE, CREST AMIDSHIPS",
        "required displacement:", "wave height H:", "from 0 to 142 m from AP",
        "Largest half-breadth:", "IS ANYTHING WRONG WITH THE STATION SECTIONS", "answer: \"\"",
        "End of the run: completed (status 0)", "Result files written by this run", " bytes",
        "THE RUN IS COMPLETE. THE RESULTS ARE WRITTEN TO", "Drawings: 7 of the run's"},
       20,
       5,
       "dtmb5415/case2-trochoid-crest",
       kTurkishWords,
       {"STATION SECTIONS (BODY PLAN)", "STERN CONTOUR", "BOW CONTOUR", "WATERLINE CROSSINGS CHECK",
        "BUOYANCY DISTRIBUTION AT THE STATIONS"},
       kTurkishWords},
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
       {"CIZIMLER: HESABIN 69 CIZIMINDEN 69 TANESI"},
       0,
       70},
      {"geometry rejected at the first check",
       {},
       "E\n",
       3,
       {"CEVAP: \"E\"", "(CIKIS DURUMU 3)", "Nothing was written",
        "BU HESABIN YAZDIGI SONUC DOSYALARI\n  YOK", "CIZIMLER: HESABIN 1 CIZIMINDEN 1 TANESI"},
       4,
       3,
       "dtmb5415/case2-trochoid-crest",
       {},
       {"POSTA KESITLERI (BODY PLAN)"}},
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
    const std::vector<std::string> captions = drawingCaptions(pages);
    ASSERT_GE(captions.size(), c.captions.size());
    for (std::size_t k = 0; k < c.captions.size(); ++k) EXPECT_EQ(captions[k], c.captions[k]);
    for (const std::string& caption : captions) {
      for (const std::string& word : c.notInCaptions) {
        EXPECT_EQ(caption.find(word), std::string::npos) << word << " in " << caption;
      }
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
  for (const char* shown : {"ISTENEN DEPLASMAN: 990000 t", "(CIKIS DURUMU 2): 990000.0 ton",
                            "BU HESABIN YAZDIGI SONUC DOSYALARI\n YOK", "Norvika.SON YAZILMADI."}) {
    EXPECT_NE(record.find(shown), std::string::npos) << shown << "\n" << record;
  }
  for (const char* earlier : {"10250", "SEPHIYE HESABI", "BAYT"}) {
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
    const std::string bytes = std::to_string(fs::file_size(strength / name)) + " BAYT";
    EXPECT_NE(first.find(bytes), std::string::npos) << name << "\n" << first;
  }
  EXPECT_NE(first.find("AGIRLIK DOSYASI Norvika.AGR"), std::string::npos) << first;
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
