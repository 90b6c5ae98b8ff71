#pragma once
// Hand-offs to the desktop (a document or web page opened with the desktop's program for it,
// the program started anew): the reasons a failed one gives and the box that reports it.
#include <string>

#include "platform/ports.h"

namespace qv {

// No program took the file or web page: "kein Webbrowser gefunden.\n<address>" for a web page
// or an HTML file, "kein Programm für RTF-Dateien gefunden.\n<path>" for any other file. A
// "file://" address names its local file, without the anchor.
std::string NoProgramFor(const std::string& fileOrUrl);
// The document to hand over could not be written: "die Datei ließ sich nicht schreiben.\n<path>".
std::string NotWritten(const std::string& path);
// The program file did not start: "das Programm ließ sich nicht starten.\n<path>".
std::string NotStarted(const std::string& program);

// Shows "<lead>: <reason>" in an error box when the hand-off failed; answers whether it worked.
bool ReportHandoff(Prompts& prompts, const std::string& lead, const HandoffFailure& failure);

}  // namespace qv
