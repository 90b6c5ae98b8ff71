#include "app/program.h"

namespace qv {

Program::Program(Ports ports) : ports_(ports) {
  // The windows in the order the program creates them; all but the main window stay hidden
  // until called.
  main_ = std::make_unique<TForm1>(ports);
  finance_ = std::make_unique<TFinanzrechner>();
  subsidy_ = std::make_unique<TFoerder>();
  rateUpdate_ = std::make_unique<TForm4>();
  range_ = std::make_unique<TBereich>();
  about_ = std::make_unique<TAboutBox>();
  windows_ = {main_.get(), finance_.get(), subsidy_.get(), rateUpdate_.get(), range_.get(),
              about_.get()};
  main_->About.OnClick = [this] { about_->Show(); };
  main_->Finanz.OnClick = [this] { finance_->Show(); };
  main_->CloseMainWindow = [this] { return Close(); };
}

Program::~Program() = default;

Form* Program::FindWindow(const std::string& className) const {
  for (Form* f : windows_)
    if (f->ClassName() == className) return f;
  return nullptr;
}

void Program::Start() { main_->Show(); }

bool Program::Close() {
  if (closed_) return true;
  if (!main_->FormCloseQuery()) return false;
  main_->SaveSettings();
  main_->Hide();
  closed_ = true;
  return true;
}

}  // namespace qv
