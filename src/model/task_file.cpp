#include "model/task_file.h"

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

// A line of nothing but numbers (separated by commas or blanks).
bool holdsOnlyNumbers(const std::string& line) {
  std::string field;
  bool any = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const char c = i < line.size() ? line[i] : ',';
    if (c == ',' || c == ' ' || c == '\t') {
      if (!field.empty() && !isPlainNumber(field)) return false;
      any = any || !field.empty();
      field.clear();
    } else {
      field.push_back(c);
    }
  }
  return any;
}

// A decimal comma splits "10,5" into two values, the second of which would
// silently shift every later line; the hint says how to write it.
std::string decimalPointHint(const std::string& value, const std::string& rest) {
  const std::string tail = trimmedName(rest.substr(1));
  if (isPlainNumber(value) && !tail.empty() &&
      tail.find_first_not_of("0123456789") == std::string::npos) {
    return " (ONDALIK SAYILARDA NOKTA KULLANILIR: '" + value + "." + tail + "')";
  }
  return "";
}

// The value just read was the last one its line may hold: nothing but blanks
// may follow it there.
void expectLineEnd(InputFile& file, const std::string& what) {
  const std::string rest = file.restOfLine();
  if (rest.empty()) return;
  const std::string value = file.lastText();
  file.reject(what + " ICIN BU SATIRDA DAHA FAZLA SAYI BEKLENMIYORDU, " +
                  quotedForMessage(value + rest) + " OKUNDU" + decimalPointHint(value, rest),
              file.lastLine());
}

// After the case's values come label lines. A label of bare numbers there
// means the values were read from fewer lines than written, as when a decimal
// comma makes two values of one ("6,5" read as 6 and 5, the next value left over).
void expectLabelAfterCaseValues(InputFile& file, int firstValueLine) {
  const std::string next = file.peekLine();
  if (file.restOfLine().empty() && holdsOnlyNumbers(next)) {
    file.reject("HESAP DEGERLERINDEN SONRA ACIKLAMA SATIRI BEKLENIYORDU, " + std::to_string(file.line()) +
                    ". SATIRDA SAYI " + quotedForMessage(trimmedName(next)) +
                    " OKUNDU (ONDALIK SAYILARDA VIRGUL DEGIL NOKTA KULLANILIR)",
                firstValueLine);
  }
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
  const int firstValueLine = file.line();
  switch (task.caseNumber) {
    case kLevelWaterline:
      task.requiredDisplacement = file.readValue("ISTENEN DEPLASMAN");
      task.initialDraft = readAtLeast(file, "BASLANGIC DRAFTI", 0.0, false, "SIFIR VEYA POZITIF");
      expectLineEnd(file, "BASLANGIC DRAFTI");
      break;
    case kTrochoidCrest:
    case kTrochoidTrough:
    case kSineCrest:
    case kSineTrough:
      task.requiredDisplacement = file.readValue("ISTENEN DEPLASMAN");
      task.initialDraft = readAtLeast(file, "BASLANGIC DRAFTI", 0.0, false, "SIFIR VEYA POZITIF");
      task.waveHeight = readAtLeast(file, "DALGA YUKSEKLIGI", 0.0, false, "SIFIR VEYA POZITIF");
      task.waveLengthRatio = readAtLeast(file, "DALGA BOYU / GEMI BOYU", 0.0, true, "POZITIF");
      expectLineEnd(file, "DALGA BOYU / GEMI BOYU");
      break;
    case kTrimmedWaterline:
      task.forwardDraft = file.readValue("BAS DRAFT");
      task.aftDraft = file.readValue("KIC DRAFT");
      expectLineEnd(file, "KIC DRAFT");
      break;
    case kDamagedHeeled: {
      task.forwardDraft = file.readValue("BAS DRAFT");
      task.aftDraft = file.readValue("KIC DRAFT");
      task.heelAngle = std::fabs(file.readValue("MEYIL ACISI"));
      expectLineEnd(file, "MEYIL ACISI");
      if (!(task.heelAngle < 90.0)) {
        file.reject("MEYIL ACISI 90 DERECEDEN KUCUK OLMALI, " + formatFixed(task.heelAngle, 1, 3) +
                        " OKUNDU",
                    file.lastLine());
      }
      break;
    }
  }
  expectLabelAfterCaseValues(file, firstValueLine);
}

void readEqualSpacing(InputFile& file, TaskParameters& task) {
  task.equalPointCount = file.readWholeValue("ESIT ARALIKLI NOKTA SAYISI", -32768, 32767);
  const int countLine = file.lastLine();
  task.equalLine = countLine;
  task.equalStart = file.readValue("ESIT ARALIKLI ILK NOKTA");
  task.equalEnd = file.readValue("ESIT ARALIKLI SON NOKTA");
  expectLineEnd(file, "ESIT ARALIKLI SON NOKTA");
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
  // The directory is taken exactly as given: "DIR " is not "DIR".
  task.directoryPrefix = std::filesystem::absolute(directory).lexically_normal().string();
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
  expectLineEnd(file, "GEMI BOYU");
  skipLines(file, 1);
  task.stationDivisions = file.readValue("POSTA ARALIGI SAYISI");
  expectLineEnd(file, "POSTA ARALIGI SAYISI");
  skipLines(file, 1);
  task.waterDensity = readAtLeast(file, "SU YOGUNLUGU", 0.0, true, "POZITIF");
  expectLineEnd(file, "SU YOGUNLUGU");
  skipLines(file, 37);
  task.caseNumber = file.readWholeValue("HESAP NO", 1, 7);
  expectLineEnd(file, "HESAP NO");
  readCaseValues(file, task);
  skipLines(file, 4);
  readEqualSpacing(file, task);
  return task;
}

}  // namespace norvika
