#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>

#include "given_argument.h"

namespace norvika::python {

namespace py = pybind11;

struct ShownAsFloat {
  static constexpr auto name = py::detail::const_name("float");
};
struct ShownAsInt {
  static constexpr auto name = py::detail::const_name("int");
};

/// An argument made a number by numberOf.
using NumberArgument = GivenArgument<ShownAsFloat>;

/// An argument made a whole number by wholeNumberOf.
using WholeNumberArgument = GivenArgument<ShownAsInt>;

/// A short description of a value for messages: its repr (cut at 40
/// characters) and its type, "True (bool)".
std::string describedValue(const py::handle& value);

/// What may stand for a number: int, float, NumPy's integers and floats and
/// anything else with __float__ (Decimal, Fraction), but not bool, text,
/// bytes or complex, whose conversions would take a value never meant as a
/// number. NumPy's kinds are looked up once, for a walk over many values.
class NumberCheck {
 public:
  NumberCheck();
  /// Why `value` is no number ("got True (bool)"); none when it may be one.
  std::optional<std::string> problem(const py::handle& value) const;
  /// Whether `value` is a bool of Python or of NumPy.
  bool isBool(const py::handle& value) const;

 private:
  py::object numpyBool_;
  py::object numpyComplex_;
};

/// Whether an exception raised from Python code may be restated as one of
/// the module's own: an Exception, not a KeyboardInterrupt, SystemExit or
/// GeneratorExit, which go through as they are.
bool mayBeRestated(const py::error_already_set& error);

/// What a failed conversion raised, for a message: "ValueError: stop".
std::string failureText(const py::error_already_set& error);

/// The value of an object's __float__, named `what` in messages. A failure
/// there that may be restated is raised as InputError (it the cause); any
/// other goes through unchanged.
double floatOf(const py::handle& value, const std::string& what);

/// A number given as an argument named `what`: TypeError for anything
/// NumberCheck refuses (None among them).
double numberOf(const py::handle& value, const std::string& what);

/// numberOf, with None for a value left out.
std::optional<double> optionalNumberOf(const py::handle& value, const std::string& what);

/// A whole number given as an argument named `what`: an int or an object
/// with __index__ (NumPy's integers), not bool; TypeError for
/// anything else, InputError for one beyond a C int.
int wholeNumberOf(const py::handle& value, const std::string& what);

}  // namespace norvika::python
