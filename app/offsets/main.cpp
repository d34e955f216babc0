#include <iostream>
#include <string>
#include <vector>

#include "offsets_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return norvika::offsets::runOffsets(args, std::cout, std::cerr);
}
