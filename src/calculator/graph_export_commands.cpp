// The graph's picture leaves the program: saved as a picture file, or handed to the word
// processor with the terms and values it shows.
#include <filesystem>

#include "calculator/main_window.h"
#include "graph/picture_file.h"
#include "tape/word_export.h"

namespace qv {

namespace {

// The second type, the bitmap, is the one offered first.
constexpr const char* kPictureFilter =
    "Alle Bilder (*.bmp;*.png)|*.bmp;*.png|Bitmap (*.bmp)|*.bmp|PNG-Bild (*.png)|*.png";
constexpr int kPngType = 3;

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

// A name typed without extension gets the one of the chosen type; the file is written in the
// format its extension names.
void TForm1::SaveGraphPicture() {
  const std::optional<FileChoice> choice =
      ports.prompts.SaveFile({.title = "Graph als Bild speichern",
                              .filter = kPictureFilter,
                              .filterIndex = 2,
                              .defaultExt = "bmp",
                              .fileName = "",
                              .initialDir = DataFolder()});
  FocusEquals();
  if (!choice || choice->path.empty()) return;
  std::string path = choice->path;
  if (!std::filesystem::path(path).has_extension())
    path += choice->filterIndex == kPngType ? ".png" : ".bmp";
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  const std::optional<std::string> failure =
      format ? SavePicture(Frame21.Picture, path, *format)
             : std::optional<std::string>("Bilder werden nur als BMP oder PNG gespeichert");
  if (failure)
    ports.prompts.ShowError("Die Datei " + FileNameOf(path) +
                            " konnte nicht gespeichert werden: " + *failure);
}

// The picture goes through "Temp.bmp" in the data folder, which is deleted once the document
// reached the desktop and kept (for the user to take by hand) when it did not.
void TForm1::GraphToWord() {
  FocusEquals();
  const std::string path = DataFolder() + "/Temp.bmp";
  if (const std::optional<std::string> failure =
          SavePicture(Frame21.Picture, path, PictureFormat::Bmp)) {
    ports.prompts.ShowError("Die Datei " + FileNameOf(path) +
                            " konnte nicht gespeichert werden: " + *failure);
    return;
  }
  if (ExportPictureToWord(path, GraphWordText(), ports.word, ports.prompts))
    ports.folders.DeleteFile(path);
}

// Below the picture: the function applied with its argument and result, or the terms with x,
// the constants set, f(x) and, while two held curves are searched, the intersections.
std::string TForm1::GraphWordText() const {
  std::string text;
  if (Frame11.Visible())
    text += Label2.Text() + " " + Label1.Text() + Label4.Text() + " = " + Label3.Text();
  if (!Frame71.Visible()) return text;
  std::string x = "x = " + (Label1.Text().empty() ? std::string("0") : Label1.Text());
  const std::pair<const char*, const Edit*> constants[] = {
      {", a = ", &Frame71.Edit1}, {", b = ", &Frame71.Edit2}, {", c = ", &Frame71.Edit3}};
  for (const auto& [name, box] : constants)
    if (!box->Text().empty()) x += name + box->Text();
  if (HoldPressed()) {
    text += "Terme: ";
    for (const std::string& term : Frame71.Terms.PlottedTerms) text += "[" + term + "], ";
  } else {
    text += "Term: " + FunctionTermText();
  }
  text += "\n" + x + "\nf(x) = " + Label3.Text();
  if (HoldPressed() && Frame71.Terms.PlotSequence.size() > 1 && Frame21.SnP.Checked()) {
    const bool second = Frame21.Label15.Visible();
    text += "\n" + Frame21.SnP.Text() + (second ? "1" : "") + ":   " + Frame21.Label6.Text() + "\n";
    if (second) text += "SP2:   " + Frame21.Label15.Text() + "\n";
  }
  return text;
}

}  // namespace qv
