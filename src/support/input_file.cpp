#include "support/input_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>

#include "support/file_names.h"
#include "support/run_end.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// Far beyond any ship, small enough that squares and moments stay finite.
constexpr std::uintmax_t kLargestFileSize = 64u * 1024u * 1024u;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return static_cast<unsigned>(c - '0') < 10u; }

// What ends a field of numbers: a blank, a comma or a line end.
bool isDelimiter(char c) { return c == ' ' || c == ',' || c == '\n' || c == '\r' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// The numbers of a hull file as they are mostly written: an optional sign,
// then at most 15 digits with an optional point between them. Their digits
// make an integer below 2^53 and the point a power of ten up to 10^15, both
// exact doubles, so that the one division is correctly rounded: the nearest
// double, as std::from_chars gives it, at a fraction of its cost. Reads from
// `p` up to the first character that is not part of such a number (the text
// ends with a '\0'); none when no such number stands there.
std::optional<double> shortDecimal(const char*& p) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr std::ptrdiff_t kExactDigits = 15;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  std::uint64_t digits = 0;
  const char* const first = p;
  while (isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
  const char* point = p;
  if (*p == '.') {
    point = p++;
    while (isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
  }
  const std::ptrdiff_t count = (p - first) - (point == p ? 0 : 1);
  if (count == 0 || count > kExactDigits) return std::nullopt;
  const std::ptrdiff_t decimals = point == p ? 0 : p - point - 1;
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[decimals];
  return negative ? -magnitude : magnitude;
}

}  // namespace

bool isPlainNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
      ++i, ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

namespace {

// The power of ten of the leading digit of a plain number, as a double so that
// an exponent of any length stays comparable ("0.001e-400" gives -403).
double leadingPowerOfTen(std::string_view text) {
  const std::size_t e = text.find_first_of("eE");
  const std::string_view mantissa = text.substr(0, e);
  double exponent = 0.0;
  if (e != std::string_view::npos) {
    for (std::size_t i = e + 1; i < text.size(); ++i) {
      if (isDigit(text[i])) exponent = exponent * 10.0 + (text[i] - '0');
    }
    if (text.find('-', e) != std::string::npos) exponent = -exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t leading = mantissa.find_first_of("123456789");
  if (leading == std::string_view::npos) return -HUGE_VAL;  // zero
  const double place = leading < point ? static_cast<double>(point - leading - 1)
                                       : -static_cast<double>(leading - point);
  return place + exponent;
}

}  // namespace

std::string quotedForMessage(std::string_view text) {
  std::string shown;
  for (char c : text) {
    if (shown.size() == 40) {
      shown += "...";
      break;
    }
    const auto byte = static_cast<unsigned char>(c);
    shown.push_back(byte >= 32 && byte < 127 ? c : '?');
  }
  return "'" + shown + "'";
}

std::string printableText(const std::string& text) {
  std::string shown = text;
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) c = '?';
  }
  return shown == text ? text : "'" + shown + "'";
}

InputFile::InputFile(const std::filesystem::path& path, const std::string& displayName)
    : displayName_(printableText(displayName)), path_(path.string()) {
  // A file that cannot be read is named, at no line.
  const auto refuse = [&](Text problem, const std::string& reason = "") {
    std::string message = text(problem, {displayName_, printableText(path_)});
    if (!reason.empty()) message += " (" + reason + ")";
    throw ProgramEnd(ExitReason::InputError, message, InputPlace{path_, 0});
  };
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) {
    // An entry that stands there but leads nowhere (a broken or looping link)
    // is named with the reason, not as missing.
    if (entryExists(path)) {
      refuse(Text::InputUnreadable, error && error != std::errc::no_such_file_or_directory
                                        ? error.message()
                                        : "a link to nothing");
    }
    refuse(Text::InputNotFound);
  }
  if (!std::filesystem::is_regular_file(status)) refuse(Text::InputNotAFile);
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestFileSize) refuse(Text::InputTooLarge);
  std::ifstream in(path, std::ios::binary);
  // One read of the known size: a stream copy grows its buffer step by step,
  // which shows on a file of a few megabytes.
  content_.resize(static_cast<std::size_t>(size));
  if (!in || !in.read(content_.data(), static_cast<std::streamsize>(size))) {
    refuse(Text::InputUnreadable);
  }
}

InputFile InputFile::ofText(std::string text, const std::string& displayName) {
  InputFile file;
  file.displayName_ = printableText(displayName);
  file.content_ = std::move(text);
  return file;
}

std::string atLineText(const std::string& file, int line, const std::string& problem) {
  return text(Text::InputAtLine, {file, std::to_string(line), problem});
}

std::string fileEndedText(const std::string& what) { return text(Text::InputEnded, {what}); }

void InputFile::reject(const std::string& problem, int atLine) const {
  const int line = atLine > 0 ? atLine : line_;
  throw ProgramEnd(ExitReason::InputError, atLineText(displayName_, line, problem),
                   InputPlace{path_.empty() ? displayName_ : path_, line});
}

bool InputFile::atLineEnd() const {
  return !atEnd() && (content_[position_] == '\n' || content_[position_] == '\r');
}

void InputFile::consumeLineEnd() {
  if (content_[position_] == '\r' && position_ + 1 < content_.size() &&
      content_[position_ + 1] == '\n') {
    ++position_;
  }
  ++position_;
  ++line_;
}

std::string InputFile::readLine(const std::string& what) {
  if (atEnd()) reject(fileEndedText(what));
  const std::size_t start = position_;
  while (!atEnd() && !atLineEnd()) ++position_;
  std::string text = content_.substr(start, position_ - start);
  if (!atEnd()) consumeLineEnd();
  return text;
}

InputFile::NumberText InputFile::parseNumber(std::string_view field, double& value) const {
  const std::string_view text = trimmed(field);
  if (!isPlainNumber(text)) return NumberText::NotANumber;
  // from_chars reads the decimal point whatever the process locale says; it
  // takes no '+', which the grammar above allows.
  const char* first = text.data();
  if (*first == '+') ++first;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small for a double reads as zero, too large is rejected.
    value = leadingPowerOfTen(text) < 0.0 ? 0.0 : HUGE_VAL;
  }
  if (!std::isfinite(value) || std::fabs(value) > kLargestInputNumber) return NumberText::TooLarge;
  return NumberText::Plain;
}

namespace {

std::string notANumberText(const std::string& what, std::string_view shown) {
  return text(Text::InputNotANumber, {what, quotedForMessage(shown)});
}

std::string tooLargeText(const std::string& what, std::string_view shown) {
  return text(Text::InputNumberTooLarge, {what, quotedForMessage(shown)});
}

}  // namespace

std::string shortestNumberText(double value) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return std::string(text.data(), result.ptr);
}

std::optional<std::string> numberProblem(const std::string& what, double value) {
  if (std::isnan(value)) return notANumberText(what, shortestNumberText(value));
  if (!(std::fabs(value) <= kLargestInputNumber))
    return tooLargeText(what, shortestNumberText(value));
  return std::nullopt;
}

std::optional<std::string> wholeNumberProblem(const std::string& what, double value, int low,
                                              int high, std::string_view shown) {
  if (value == std::trunc(value) && value >= low && value <= high) return std::nullopt;
  return text(Text::InputWholeNumber,
              {what, std::to_string(low), std::to_string(high), quotedForMessage(shown)});
}

void InputFile::rejectNumber(NumberText problem, const std::string& what, std::string_view field,
                             int fieldLine) const {
  const std::string_view shown = trimmed(field);
  reject(
      problem == NumberText::NotANumber ? notANumberText(what, shown) : tooLargeText(what, shown),
      fieldLine);
}

double InputFile::readValue(const std::string& what) {
  if (!moreFields()) reject(fileEndedText(what));
  const int fieldLine = line_;
  const std::size_t start = position_;
  while (!atEnd() && !atLineEnd() && content_[position_] != ',') ++position_;
  const std::string_view field = std::string_view(content_).substr(start, position_ - start);
  lastLine_ = fieldLine;
  keepLastText(trimmed(field));
  lastEndedByComma_ = !atEnd() && content_[position_] == ',';
  if (!atEnd()) {
    if (content_[position_] == ',') {
      ++position_;
    } else {
      consumeLineEnd();
    }
  }
  double value = 0.0;
  const NumberText check = parseNumber(field, value);
  if (check != NumberText::Plain) rejectNumber(check, what, field, fieldLine);
  return value;
}

std::string_view InputFile::takeField() {
  std::size_t end = position_;
  while (end < content_.size() && !isDelimiter(content_[end])) ++end;
  return endField(end);
}

InputFile::NumberText InputFile::takeNumberField(double& value) {
  const char* const start = content_.data() + position_;
  const char* end = start;
  if (const std::optional<double> number = shortDecimal(end);
      number && (*end == '\0' ? end == content_.data() + content_.size() : isDelimiter(*end))) {
    endField(static_cast<std::size_t>(end - content_.data()));
    value = *number;
    return std::fabs(value) > kLargestInputNumber ? NumberText::TooLarge : NumberText::Plain;
  }
  return parseNumber(takeField(), value);
}

std::string_view InputFile::endField(std::size_t end) {
  const std::string_view field = std::string_view(content_).substr(position_, end - position_);
  lastLine_ = line_;
  keepLastText(field);
  lastEndedByComma_ = false;
  // The blanks after a field, and one comma or line end, belong to it.
  position_ = end;
  while (!atEnd() && isBlank(content_[position_])) ++position_;
  if (!atEnd()) {
    if (content_[position_] == ',') {
      ++position_;
    } else if (atLineEnd()) {
      consumeLineEnd();
    }
  }
  return field;
}

void InputFile::keepLastText(std::string_view text) {
  lastTextStart_ = static_cast<std::size_t>(text.data() - content_.data());
  lastTextSize_ = text.size();
}

bool InputFile::moreFields() {
  while (!atEnd() && (isBlank(content_[position_]) || atLineEnd())) {
    if (atLineEnd()) {
      consumeLineEnd();
    } else {
      ++position_;
    }
  }
  return !atEnd();
}

std::string InputFile::restOfLine() const {
  if (!lastEndedByComma_) return "";
  return "," + peekLine();
}

std::string InputFile::peekLine() const {
  std::size_t end = position_;
  while (end < content_.size() && content_[end] != '\n' && content_[end] != '\r') ++end;
  return content_.substr(position_, end - position_);
}

int InputFile::readWholeValue(const std::string& what, int low, int high) {
  const double value = readValue(what);
  if (const auto problem = wholeNumberProblem(what, value, low, high, lastText())) {
    reject(*problem, lastLine_);
  }
  return static_cast<int>(value);
}

}  // namespace norvika
