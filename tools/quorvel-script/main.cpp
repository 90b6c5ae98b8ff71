// quorvel-script: runs scenario files against the program's logic, headless.
#include <fstream>
#include <iostream>
#include <sstream>

#include "runner.h"

namespace {

const char* kGrammar = R"(quorvel-script [--verbose] FILE...

Runs each scenario file in a fresh temporary start directory with its own data folder and
exits non-zero when an expectation fails (printing file, line, wanted and got).

One command a line; texts in double quotes with \" \\ and \n escapes; # starts a comment;
a block is the following lines that begin with |, the text after "| " being one line.

ini                       before any other command: the block becomes "Quorvel.ini"
start                     create the windows now; after close it starts the program anew
close                     close the main window as its close button does
click NAME                a control of the main window, FRAME.NAME for an embedded frame,
dblclick NAME               or CLASS.NAME for a secondary window (TAboutBox.OKButton,
                            TFinanzrechner.OKBtn; its pages: TFinanzrechner.PageControl1)
rightclick NAME
ctrlclick NAME            click with Ctrl held
key KEY...                one character (5 + , p) or Enter Esc Backspace Delete Insert Home
                          End PageUp PageDown Up Down F1..F12 Num0..Num9 NumPlus NumMinus
                          NumMultiply NumDivide NumDecimal WheelUp WheelDown, with optional
                          Ctrl+ Alt+ Shift+ prefixes
set NAME "TEXT"           type TEXT into an edit or combo box (fires its change handler)
set NAME "TT.MM.JJJJ"     pick a date in a date picker (fires its change handler)
set NAME cell ROW COL "TEXT"  type TEXT into a grid cell key by key (row 0 is the header
                          row, column 0 the row numbers; the grid's key handler sees each key)
today "TT.MM.JJJJ"        the date the program takes as today (give it before start; the
                          machine's date without it)
select NAME INDEX         choose item INDEX (from 0) of a combo or list box
                          (of a grid: make row INDEX current, row 0 = header row)
focus NAME                give a control the keyboard focus
mouse NAME down|move|up X Y [right]   the mouse on a drawing area (Frame21.Image1), at
                          pixel X, Y; the left button unless "right" is given
caret NAME START [LENGTH] put the caret of an edit or combo box at START (from 0), or select
                            LENGTH characters from there, as the user does
drag NAME TARGET          drag a control onto another
answer yes|no|cancel|ok   the answer for the next question or dialog
answer "TEXT"             the answer for the next input box
answer file "PATH"        a file chosen in the next open or save dialog ("answer ok" takes
                          the proposed name and file type)
answer filter N             ... and the file type (from 1) chosen with it
clipboard "TEXT"          put a text on the clipboard
file PATH                 the block becomes a text file (relative to the start directory;
                          DATA/ = data folder)
network reply [PATH]      the oldest request the program waits for is answered with the bytes
                          of the file PATH (relative to the start directory), or with the block
network fail "REASON"     ... fails with that reason (German, as after a colon)
screen L T W H            the desktop has a screen whose free area starts at L,T and is W wide
                          and H high (one line per screen), from the next start on; without
                          screens the window stays at its stored position
fail shell|wordprocessor  from now on the desktop refuses what it is handed: the shell opens
                          no file or web page and starts no program (/usr/bin/quorvel), the
                          word processor's document (DATA/Word.rtf) opens in no program
fail wordprocessor connect   from now on no word processor can be reached
fail wordprocessor insert [N]   the next N (1) files or pictures inserted are refused
fail none                 from now on the desktop takes everything again
expect NAME "TEXT"        the control's text or caption (a date picker's date as TT.MM.JJJJ)
expect NAME cell ROW COL "TEXT"   a grid cell
expect NAME rows N        the row count of a grid, the header row included
expect NAME focused       the control has the keyboard in its window
expect NAME checked|unchecked|visible|hidden|enabled|disabled|down|up
expect NAME selection START LENGTH   the part of the text the program selected
expect NAME hint "TEXT"   the control's hint
expect state NAME "TEXT"  a state value of the calculator or the graph (Extended values
                          canonical, lists as "x^2|x": TermHistory, PlotSequence, ...)
expect message "TEXT"     the next message, question or input box shown; in it the data
                          folder reads DATA and the start directory START
expect no-message
expect clipboard "TEXT"
expect opened "TARGET"    the file or web address the desktop was last asked to open (DATA and
                          START as in a message)
expect fetched "URL"      the web address the program asked the network for last ("nothing")
expect caption "TEXT"     the main window's caption
expect caption CLASS "TEXT"   the caption of a secondary window (TZahlungsplan)
expect caption seen "TEXT"  a caption the main window showed at some moment of the last
                          command (the progress texts of a long redraw)
expect cursor busy|normal|drag   the cursor the main window shows now
expect pixel NAME X Y "#RRGGBB"  a pixel of a drawing area (Frame21.Image1,
                          TZahlungsplan.Image1), 0,0 top left
expect text NAME X Y "TEXT" ["#RRGGBB"] [POINTS]   the graph's picture has TEXT written at
                          X, Y (its top left corner), in that colour and size
expect text NAME [X Y] "TEXT" missing   no such text is written on the graph's picture
                          (at X, Y, or anywhere)
expect size W H           the main window's client size at 100 %
expect tape               the whole tape, one block line per tape line
expect tapeline K "TEXT" [bold|regular] [italic] [black|red|green] [SIZE]
expect ini SECTION KEY "VALUE" | missing   in the settings file the program uses: the
                          start directory's "Quorvel.ini", else the user's own one in
                          config/Quorvel/ (a home folder home/ may hold an older version's)
expect file PATH          the block equals the lines of a text file (DATA/ = data folder)
expect file PATH missing | present
expect word               the block equals the calls made to the word processor since the
| Connect                   last "expect word", one a line (files by their names:
| InsertPicture Temp.bmp    "InsertPicture Temp.bmp", "TypeText sin 30° = 0,5", "Release")
expect printed "TEXT"     the last print job: "TITLE LEFT TOP RIGHT BOTTOM" on a page of
                          4960 x 7016 at 600 dpi, "TITLE: N pages" for a document laid out
                          in pages (TZahlungsplan.PrintBtn), or "nothing"
expect printed line PAGE LINE "TEXT"   a line of that page of the last document (both from
                          1, LINE -1 the last): its texts from left to right, joined by " | "
print NAME | state | tape | messages
)";

}  // namespace

int main(int argc, char** argv) {
  bool verbose = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kGrammar;
      return 0;
    }
    if (arg == "--verbose") {
      verbose = true;
      continue;
    }
    files.push_back(arg);
  }
  if (files.empty()) {
    std::cerr << "usage: quorvel-script [--verbose] FILE... (--help for the grammar)\n";
    return 2;
  }
  int failed = 0;
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cout << file << ": cannot be read\n";
      ++failed;
      continue;
    }
    std::stringstream text;
    text << in.rdbuf();
    int failures = 0;
    try {
      const auto commands = qvs::ParseScript(text.str());
      qvs::Runner runner(file, verbose);
      failures = runner.Run(commands);
    } catch (const qvs::ScriptError& e) {
      std::cout << file << ":" << e.line << ": " << e.what() << "\n";
      failures = 1;
    }
    if (failures) ++failed;
    if (verbose || failures) std::cout << file << ": " << (failures ? "FAILED" : "passed") << "\n";
  }
  std::cout << (files.size() - failed) << " passed, " << failed << " failed\n";
  return failed == 0 ? 0 : 1;
}
