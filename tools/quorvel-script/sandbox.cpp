#include "sandbox.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace qvs {

namespace fs = std::filesystem;

Sandbox::Sandbox() {
  std::string pattern = (fs::temp_directory_path() / "quorvel-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  dir = pattern;
  fs::create_directories(dir / "Documents");
  folders.startDir = dir.string();
  folders.documentsDir = (dir / "Documents").string();
  folders.sharedDir = (dir / "share").string();
  prompts.startDir = folders.startDir;
  prompts.dataDir = folders.documentsDir + "/Quorvel";
  word.document = prompts.dataDir + "/Word.rtf";
}

Sandbox::~Sandbox() {
  std::error_code ec;
  fs::remove_all(dir, ec);
}

void Sandbox::WriteSettings(const std::string& text) const {
  std::ofstream(dir / "Quorvel.ini", std::ios::binary) << text;
}

}  // namespace qvs
