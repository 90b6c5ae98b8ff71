// The reason a hand-off to the desktop gives when no program took it: what kind of program was
// missing, and the file or address a user can open by hand.
#include "platform/handoff.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct NoProgramCase {
  const char* target;
  const char* reason;
};

class NoProgramTest : public testing::TestWithParam<NoProgramCase> {};

TEST_P(NoProgramTest, NamesTheMissingProgramAndWhereTheTargetLies) {
  EXPECT_EQ(NoProgramFor(GetParam().target), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, NoProgramTest,
    testing::Values(
        NoProgramCase{
            "/home/u/Dokumente/Quorvel/Word.rtf",
            "kein Programm für RTF-Dateien gefunden.\n/home/u/Dokumente/Quorvel/Word.rtf"},
        NoProgramCase{"/a/Temp.bmp", "kein Programm für BMP-Dateien gefunden.\n/a/Temp.bmp"},
        NoProgramCase{"/a.b/README", "kein Programm für diese Datei gefunden.\n/a.b/README"},
        NoProgramCase{"/a/Hilfe.htm", "kein Webbrowser gefunden.\n/a/Hilfe.htm"},
        // the anchor of a help page is no part of the file a user opens by hand
        NoProgramCase{"file:///a/Hilfe.htm#Funktionen", "kein Webbrowser gefunden.\n/a/Hilfe.htm"},
        NoProgramCase{"https://www.example.org/mathint/lexikon/",
                      "kein Webbrowser gefunden.\nhttps://www.example.org/mathint/lexikon/"}));

}  // namespace
}  // namespace qv
