#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "offsets_run.h"

int main(int argc, char** argv) {
  // A file size limit then fails the write with a message and a status,
  // and the temporary file is removed, instead of the signal ending the
  // process with the file half-written.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return norvika::offsets::runOffsets(args, std::cout, std::cerr);
}
