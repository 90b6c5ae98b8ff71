#include "platform/handoff.h"

#include <cctype>

namespace qv {

namespace {

constexpr std::string_view kFileScheme = "file://";

bool IsWebAddress(const std::string& target) {
  return target.find("://") != std::string::npos && target.rfind(kFileScheme, 0) != 0;
}

// The local file of a "file://" address (without its anchor), else the path itself.
std::string LocalPath(const std::string& target) {
  if (target.rfind(kFileScheme, 0) != 0) return target;
  const std::string path = target.substr(kFileScheme.size());
  return path.substr(0, path.find('#'));
}

// "RTF" of "/a/Word.rtf"; empty when the file name has no extension.
std::string UpperExtension(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

std::string NoProgramFor(const std::string& fileOrUrl) {
  if (IsWebAddress(fileOrUrl)) return "kein Webbrowser gefunden.\n" + fileOrUrl;
  const std::string path = LocalPath(fileOrUrl);
  const std::string extension = UpperExtension(path);
  if (extension == "HTM" || extension == "HTML") return "kein Webbrowser gefunden.\n" + path;
  const std::string kind = extension.empty() ? "diese Datei" : extension + "-Dateien";
  return "kein Programm für " + kind + " gefunden.\n" + path;
}

std::string NotWritten(const std::string& path) {
  return "die Datei ließ sich nicht schreiben.\n" + path;
}

std::string NotStarted(const std::string& program) {
  return "das Programm ließ sich nicht starten.\n" + program;
}

bool ReportHandoff(Prompts& prompts, const std::string& lead, const HandoffFailure& failure) {
  if (!failure) return true;
  prompts.ShowError(lead + ": " + *failure);
  return false;
}

}  // namespace qv
