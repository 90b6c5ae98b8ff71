#pragma once
// Where the settings file "Quorvel.ini" lies. A file in the start directory is used where it is
// (a copy of the program kept together with its settings, a test); otherwise every start uses
// the user's own file in the settings folder, wherever the program was started from. Older
// versions kept the file in the start directory, which for a start from the desktop's menu is
// the home folder: such a file is copied into the settings folder once and left in place.
#include <string>

#include "platform/ports.h"

namespace qv {

struct SettingsPlace {
  // The file this run reads and writes.
  std::string path;
  // An older version's file in the home folder to be copied to path first, or "".
  std::string carryFrom;

  // The file whose values this start sees: the old file until it has been copied.
  const std::string& Source() const { return carryFrom.empty() ? path : carryFrom; }
};

// Decides the place without touching any file.
SettingsPlace LocateSettingsFile(Folders& folders);

// Makes the settings folder when the user's own file is used and copies an older version's file
// into it. When the copy fails the old file stays the one used, as it was. Answers the place
// and, when a file was carried over, the German note telling the user so.
SettingsPlace PrepareSettingsFile(Folders& folders, std::string& notice);

// The data folder below the documents folder: the tape's backup, the files handed to the word
// processor.
std::string DataFolderOf(Folders& folders);

}  // namespace qv
