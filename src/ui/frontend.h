#pragma once
// The Qt front end of one program run: the windows of the logic's forms, the binder between
// them and the keyboard routing of the main window.
#include <memory>

#include "program/program.h"

namespace qv::ui {

class AboutDialog;
class Binder;
class KeyRouter;
class MainWindow;
class RasterView;
class TapeView;

class Frontend {
 public:
  Frontend(Program& program, Prompts& prompts);
  ~Frontend();
  Frontend(const Frontend&) = delete;
  Frontend& operator=(const Frontend&) = delete;

  // Shows the main window as the program's start does; the event loop ends when it has closed.
  void Start();

  MainWindow& Window() const { return *window_; }
  AboutDialog& About() const { return *about_; }
  Binder& GetBinder() const { return *binder_; }
  TapeView& Tape() const { return *tape_; }
  RasterView& Graph() const { return *graph_; }

 private:
  void ConnectTape();

  Program& program_;
  std::unique_ptr<MainWindow> window_;
  AboutDialog* about_;  // owned by the main window
  TapeView* tape_;      // owned by the main window
  RasterView* graph_;   // owned by the main window
  // Declared after the windows: the binder goes first, so no widget reports to it while the
  // windows are taken down.
  std::unique_ptr<Binder> binder_;
  std::unique_ptr<KeyRouter> keys_;
};

}  // namespace qv::ui
