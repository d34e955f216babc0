#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace norvika {

/// The largest size of a number the program reads, in a file or on a command line.
inline constexpr double kLargestInputNumber = 1e6;

/// How a message names the line `line` of `file` before what is wrong there:
/// "Norvika.TSK 20. SATIR: ...", in the thread's language.
std::string atLineText(const std::string& file, int line, const std::string& problem);

/// What a file that ended before `what` says.
std::string fileEndedText(const std::string& what);

/// A text input file read as the program's files are read: whole lines, or
/// numeric fields. Lines may end with LF, CR LF or CR. Every failure ends the
/// run (ProgramEnd, InputError) with a message naming the file, the line and
/// what was expected.
class InputFile {
 public:
  /// Reads the whole file; `displayName` is how messages name it.
  InputFile(const std::filesystem::path& path, const std::string& displayName);
  /// A file's text already in memory (one about to be written, read back as
  /// the program would read it).
  static InputFile ofText(std::string text, const std::string& displayName);

  /// Whole line to its end, without the line end.
  std::string readLine(const std::string& what);
  /// Skips blanks and line ends, takes the text up to the next comma or line
  /// end and consumes that delimiter.
  double readValue(const std::string& what);
  /// A field that blanks, commas or line ends delimit; trailing blanks and one
  /// comma or line end after it are consumed. `what()` names the field, and is
  /// asked only for a message: a hull file has thousands of fields.
  template <typename What>
  double readField(const What& what);
  double readField(const std::string& what) {
    return readField([&what] { return what; });
  }
  /// readValue for a whole number within [low, high].
  int readWholeValue(const std::string& what, int low, int high);
  /// Skips blanks and line ends; whether a field follows before the end of the file.
  bool moreFields();

  /// What stands on the line of the last value after it, from the comma that
  /// ended that value; empty when the value ended its line.
  std::string restOfLine() const;
  /// The line where the next read starts, without its line end (empty at the end).
  std::string peekLine() const;
  /// The text of the last number read, as it stood (valid while the file is).
  std::string_view lastText() const {
    return std::string_view(content_).substr(lastTextStart_, lastTextSize_);
  }

  /// Line number (1-based) where the next read starts.
  int line() const { return line_; }
  /// Line of the last number read.
  int lastLine() const { return lastLine_; }
  const std::string& displayName() const { return displayName_; }

  /// Ends the run with atLineText of the file's name, the line (the current
  /// one when `atLine` is 0) and `problem`; the file and the line also given
  /// as values (InputPlace).
  [[noreturn]] void reject(const std::string& problem, int atLine = 0) const;

 private:
  InputFile() = default;
  bool atEnd() const { return position_ >= content_.size(); }
  bool atLineEnd() const;
  void consumeLineEnd();
  /// The field at the current position, up to a blank, comma or line end; the
  /// blanks after it and one comma or line end are consumed.
  std::string_view takeField();
  enum class NumberText { Plain, NotANumber, TooLarge };
  /// takeField read as a number into value.
  NumberText takeNumberField(double& value);
  /// The field from the current position to `end`, with what follows it as takeField takes it.
  std::string_view endField(std::size_t end);
  void keepLastText(std::string_view text);
  NumberText parseNumber(std::string_view text, double& value) const;
  [[noreturn]] void rejectNumber(NumberText problem, const std::string& what, std::string_view text,
                                 int fieldLine) const;

  std::string content_;
  std::string displayName_;
  std::string path_;  // as opened; empty for a text in memory
  std::size_t position_ = 0;
  int line_ = 1;
  int lastLine_ = 1;
  std::size_t lastTextStart_ = 0;  // where lastText() stands in content_
  std::size_t lastTextSize_ = 0;
  bool lastEndedByComma_ = false;
};

template <typename What>
double InputFile::readField(const What& what) {
  if (!moreFields()) reject(fileEndedText(what()));
  const int fieldLine = line_;
  double value = 0.0;
  const NumberText check = takeNumberField(value);
  if (check != NumberText::Plain) rejectNumber(check, what(), lastText(), fieldLine);
  return value;
}

/// A number as the shortest text that reads back to it ("2.5", "nan", "1e+07"):
/// how messages show a number given as a value.
std::string shortestNumberText(double value);

/// Why a number given as a value (not read from a file) cannot stand for
/// `what`, in the words a file's number gets: not a number (NaN), or larger
/// than kLargestInputNumber (infinities too); none when it can.
std::optional<std::string> numberProblem(const std::string& what, double value);

/// Why `value` cannot stand for `what`, which must be a whole number within
/// [low, high]; `shown` is the value as it was written. None when it can.
std::optional<std::string> wholeNumberProblem(const std::string& what, double value, int low,
                                              int high, std::string_view shown);

/// A plain decimal number: optional sign, digits with an optional point, an
/// optional exponent; no hexadecimal, "inf" or "nan", no blanks.
bool isPlainNumber(std::string_view text);

/// The text unchanged when it holds no control characters, else quoted with
/// each control character shown as '?' (a file name must not drive the terminal).
std::string printableText(const std::string& text);

/// The text as it may appear in a message: at most 40 characters, bytes
/// outside printable ASCII shown as '?'.
std::string quotedForMessage(std::string_view text);

}  // namespace norvika
