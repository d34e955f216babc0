#include "support/input_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/run_end.h"

namespace norvika {
namespace {

// The double std::from_chars reads from a plain number (which takes no '+').
double libraryValue(const std::string& text) {
  const std::size_t skip = text[0] == '+' ? 1 : 0;
  double value = 0.0;
  std::from_chars(text.data() + skip, text.data() + text.size(), value);
  return value;
}

// Every field of a file of numbers reads to the bits std::from_chars gives:
// short decimals, long ones, exponents, signs, leading and trailing zeros,
// separated by commas, blanks and both line ends.
TEST(InputFileNumbers, FieldsReadToTheNearestDouble) {
  std::vector<std::string> numbers = {"0",
                                      "-0",
                                      "+0.0",
                                      "-0.000",
                                      ".5",
                                      "-.5",
                                      "5.",
                                      "+7",
                                      "0.1",
                                      "0.3",
                                      "1000000",
                                      "-1000000",
                                      "999999.999999999",
                                      "0.000000000000001",
                                      "123456.789012345",
                                      "0.1234567890123456789",
                                      "00000000000000012.5",
                                      "1e-400",
                                      "-1e-400",
                                      "2.5e3",
                                      "1E+2",
                                      "7e-5",
                                      "3.000000000000000000000001",
                                      "0.30000000000000004"};
  std::mt19937_64 random(31);
  for (int k = 0; k < 20000; ++k) {
    std::string text = random() % 4 == 0 ? "-" : "";
    const int whole = static_cast<int>(random() % 7);
    const int fraction = static_cast<int>(random() % 14);
    for (int i = 0; i < whole; ++i) text += static_cast<char>('0' + random() % 10);
    if (whole == 0 || fraction > 0) text += ".";
    for (int i = 0; i < std::max(fraction, whole == 0 ? 1 : 0); ++i) {
      text += static_cast<char>('0' + random() % 10);
    }
    numbers.push_back(text);
  }
  std::string content = "TITLE\n";
  const char* separators[] = {", ", ",", " ", "\n", "\r\n", " , ", "\t"};
  for (std::size_t k = 0; k < numbers.size(); ++k) content += numbers[k] + separators[k % 7];
  InputFile file = InputFile::ofText(content, "NUMBERS");
  file.readLine("TITLE");
  for (const std::string& text : numbers) {
    const double read = file.readField(std::string("NUMBER"));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(libraryValue(text)))
        << text << " read as " << read;
    EXPECT_EQ(file.lastText(), text);
  }
  EXPECT_FALSE(file.moreFields());
}

// A field is a number only as a whole, however it begins; the message shows the field.
TEST(InputFileNumbers, FieldsThatAreNotNumbersAreNamed) {
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {"1.5x, 2", "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '1.5x' OKUNDU"},
      {"--1", "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '--1' OKUNDU"},
      {"1.2.3", "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '1.2.3' OKUNDU"},
      {".", "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '.' OKUNDU"},
      {std::string("7\0", 2), "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '7?' OKUNDU"},
      {"1e", "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '1e' OKUNDU"},
      {"0x10", "F 1. SATIR: SAYI ICIN SAYI BEKLENIYORDU, '0x10' OKUNDU"},
      {"\n\n1000000.5",
       "F 3. SATIR: SAYI ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR SAYI BEKLENIYORDU, '1000000.5' "
       "OKUNDU"},
      {"1e999",
       "F 1. SATIR: SAYI ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR SAYI BEKLENIYORDU, '1e999' OKUNDU"},
  };
  for (const auto& c : cases) {
    InputFile file = InputFile::ofText(c.text, "F");
    try {
      file.readField(std::string("SAYI"));
      ADD_FAILURE() << c.text << ": accepted";
    } catch (const ProgramEnd& end) {
      EXPECT_EQ(end.message(), c.message) << c.text;
    }
  }
}

}  // namespace
}  // namespace norvika
