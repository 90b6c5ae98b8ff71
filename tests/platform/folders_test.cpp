// The folders of the real file system: the files installed with the program are found from
// the program's own place, so that a package built from any build tree finds them below /usr.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ports.h"

namespace fs = std::filesystem;

namespace {

TEST(LocalFoldersTest, TheSharedFolderLiesBelowTheRunningProgramsPrefix) {
  const fs::path program = fs::read_symlink("/proc/self/exe");
  const fs::path prefix = program.parent_path().parent_path();
  EXPECT_EQ(qv::LocalFolders().SharedDir(), (prefix / "share" / "quorvel").string());
}

}  // namespace
