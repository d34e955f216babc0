// Writes the module's stub: the hand-written stub with the properties of the
// hydrostatics put in the place its marker line holds, each typed, read-only
// and documented as the module defines it from the same descriptions.
//
//   norvika_stub_writer TEMPLATE STUB

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "quantities/hydrostatic_quantities.h"

namespace {

constexpr std::string_view kMarker = "@HYDROSTATIC_PROPERTIES@";

// The properties as the stub declares them, four blanks in.
std::string hydrostaticProperties() {
  std::string text;
  for (const norvika::HydrostaticQuantity& q : norvika::hydrostaticQuantities()) {
    const std::string_view doc = q.python.doc;
    if (doc.find('"') != std::string_view::npos || doc.find('\\') != std::string_view::npos) {
      throw std::runtime_error(std::string("a docstring the stub cannot quote: ") + q.python.name);
    }
    text += "    @property\n    def ";
    text.append(q.python.name).append("(self) -> _FloatArray:\n        \"\"\"");
    text.append(doc).append("\"\"\"\n");
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: norvika_stub_writer TEMPLATE STUB\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream read;
    read << in.rdbuf();
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    std::string stub = read.str();
    const std::string marker = std::string(kMarker) + "\n";
    const std::size_t at = stub.find(marker);
    if (at == std::string::npos || stub.find(marker, at + 1) != std::string::npos) {
      throw std::runtime_error(std::string(argv[1]) + " must hold the line " +
                               std::string(kMarker) + " once");
    }
    stub.replace(at, marker.size(), hydrostaticProperties());
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << stub;
    out.close();
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "norvika_stub_writer: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
