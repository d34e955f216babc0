#include "driver/task_file.h"

#include <cmath>
#include <string>

#include "support/capacities.h"
#include "support/input_file.h"
#include "text/text_format.h"

namespace norvika {

namespace {

constexpr const char* kTaskFileName = "Norvika.TSK";
constexpr const char* kLabel = "ACIKLAMA SATIRI";

std::string trimmedName(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void skipLines(InputFile& file, int count) {
  for (int i = 0; i < count; ++i) file.readLine(kLabel);
}

// Reads one value and checks it against a lower bound; the message names the
// line the value stood on.
double readAtLeast(InputFile& file, const std::string& what, double low, bool strict,
                   const std::string& expectation) {
  const double value = file.readValue(what);
  if (strict ? !(value > low) : !(value >= low)) {
    file.reject(what + " " + expectation + " OLMALI, " + formatFixed(value, 1, 3) + " OKUNDU",
                file.lastLine());
  }
  return value;
}

void readCaseValues(InputFile& file, TaskParameters& task) {
  switch (task.caseNumber) {
    case kLevelWaterline:
      task.requiredDisplacement = file.readValue("ISTENEN DEPLASMAN");
      task.initialDraft = readAtLeast(file, "BASLANGIC DRAFTI", 0.0, false, "SIFIR VEYA POZITIF");
      break;
    case kTrochoidCrest:
    case kTrochoidTrough:
    case kSineCrest:
    case kSineTrough:
      task.requiredDisplacement = file.readValue("ISTENEN DEPLASMAN");
      task.initialDraft = readAtLeast(file, "BASLANGIC DRAFTI", 0.0, false, "SIFIR VEYA POZITIF");
      task.waveHeight = readAtLeast(file, "DALGA YUKSEKLIGI", 0.0, false, "SIFIR VEYA POZITIF");
      task.waveLengthRatio = readAtLeast(file, "DALGA BOYU / GEMI BOYU", 0.0, true, "POZITIF");
      break;
    case kTrimmedWaterline:
      task.forwardDraft = file.readValue("BAS DRAFT");
      task.aftDraft = file.readValue("KIC DRAFT");
      break;
    case kDamagedHeeled: {
      task.forwardDraft = file.readValue("BAS DRAFT");
      task.aftDraft = file.readValue("KIC DRAFT");
      task.heelAngle = std::fabs(file.readValue("MEYIL ACISI"));
      if (!(task.heelAngle < 90.0)) {
        file.reject("MEYIL ACISI 90 DERECEDEN KUCUK OLMALI, " + formatFixed(task.heelAngle, 1, 3) +
                        " OKUNDU",
                    file.lastLine());
      }
      break;
    }
  }
}

void readEqualSpacing(InputFile& file, TaskParameters& task) {
  task.equalPointCount = file.readWholeValue("ESIT ARALIKLI NOKTA SAYISI", -32768, 32767);
  const int countLine = file.lastLine();
  task.equalLine = countLine;
  task.equalStart = file.readValue("ESIT ARALIKLI ILK NOKTA");
  task.equalEnd = file.readValue("ESIT ARALIKLI SON NOKTA");
  const int n = task.equalPointCount;
  if (n < 0 || n == 1 || n > kMaxEqualPoints) {
    file.reject("ESIT ARALIKLI NOKTA SAYISI 0 VEYA 2 ILE " + std::to_string(kMaxEqualPoints) +
                    " ARASINDA OLMALI, " + std::to_string(n) + " OKUNDU",
                countLine);
  }
  if (n > 1 && !(task.equalEnd > task.equalStart)) {
    file.reject("ESIT ARALIKLI SON NOKTA ILK NOKTADAN BUYUK OLMALI (" +
                    formatFixed(task.equalStart, 1, 3) + " / " + formatFixed(task.equalEnd, 1, 3) +
                    ")",
                file.lastLine());
  }
}

}  // namespace

TaskParameters readTaskFile(const std::filesystem::path& directory) {
  TaskParameters task;
  const std::string runDirectory =
      trimmedName(std::filesystem::absolute(directory).lexically_normal().string());
  task.directoryPrefix = runDirectory;
  if (task.directoryPrefix.empty() || task.directoryPrefix.back() != '/') {
    task.directoryPrefix += '/';
  }

  InputFile file(task.directoryPrefix + kTaskFileName, kTaskFileName);
  skipLines(file, 12);
  const int nameLine = file.line();
  task.hullFileName = trimmedName(file.readLine("GEMI FORM DOSYASININ ADI"));
  if (task.hullFileName.empty()) {
    file.reject("GEMI FORM DOSYASININ ADI BEKLENIYORDU, BOS SATIR OKUNDU", nameLine);
  }
  skipLines(file, 6);
  task.shipLength = readAtLeast(file, "GEMI BOYU", 0.0, true, "POZITIF");
  skipLines(file, 1);
  task.stationDivisions = file.readValue("POSTA ARALIGI SAYISI");
  skipLines(file, 1);
  task.waterDensity = readAtLeast(file, "SU YOGUNLUGU", 0.0, true, "POZITIF");
  skipLines(file, 37);
  task.caseNumber = file.readWholeValue("HESAP NO", 1, 7);
  readCaseValues(file, task);
  skipLines(file, 4);
  readEqualSpacing(file, task);
  return task;
}

}  // namespace norvika
