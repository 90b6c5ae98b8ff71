#include "app/program.h"

namespace qv {

Program::Program(Ports ports) : ports_(ports) {
  main_ = std::make_unique<TForm1>(ports);
  about_ = std::make_unique<TAboutBox>();
  windows_ = {main_.get(), about_.get()};
  main_->About.OnClick = [this] { about_->Show(); };
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
  main_->SaveSettings();
  main_->Hide();
  closed_ = true;
  return true;
}

}  // namespace qv
