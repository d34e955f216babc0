// The run directory named alone on the command line, as a file manager or the desktop's menu
// entry passes a folder or a task file.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

TEST(CommandLine, RunDirectoryOrItsTaskFileNamedAlone) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;  // {RUN} stands for the run directory
    int status;
    const char* message;  // the first line of standard error; empty when there is none
  };
  const Case cases[] = {
      {"the directory", {"--batch", "{RUN}"}, 0, ""},
      {"its task file", {"--batch", "{RUN}/Norvika.TSK"}, 0, ""},
      {"the task file before the options", {"{RUN}/Norvika.TSK", "--batch"}, 0, ""},
      {"another file",
       {"--batch", "{RUN}/KUTU.DAT"},
       1,
       "norvika: '{RUN}/KUTU.DAT' is neither a run directory nor a task file Norvika.TSK"},
      {"a directory that is not there",
       {"--batch", "{RUN}/none"},
       1,
       "norvika: run directory '{RUN}/none' does not exist"},
      {"-C naming a file",
       {"--batch", "-C", "{RUN}/KUTU.DAT"},
       1,
       "norvika: run directory '{RUN}/KUTU.DAT' is not a directory"},
      {"-C as well",
       {"--batch", "-C", "{RUN}", "{RUN}"},
       1,
       "norvika: give the run directory once (-C or a directory or task file, not both)"},
      {"two of them",
       {"--batch", "{RUN}", "{RUN}/Norvika.TSK"},
       1,
       "norvika: give the run directory once (-C or a directory or task file, not both)"},
      {"an empty name",
       {"--batch", ""},
       1,
       "norvika: an empty name where the run directory or its task file was expected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level", run);
    const auto expand = [&run](std::string text) {
      for (auto at = text.find("{RUN}"); at != std::string::npos; at = text.find("{RUN}"))
        text.replace(at, 5, run.string());
      return text;
    };
    std::vector<std::string> arguments;
    for (const std::string& a : c.arguments) arguments.push_back(expand(a));
    const ProcessResult result = runNorvika(arguments);
    EXPECT_EQ(result.status, c.status) << result.standardError;
    EXPECT_EQ(fs::exists(run / "Norvika.SON"), c.status == 0);
    if (*c.message != '\0') {
      EXPECT_EQ(result.firstErrorLine(), expand(c.message));
    }
  }
}

}  // namespace
}  // namespace norvika::apptest
