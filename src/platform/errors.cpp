#include "platform/errors.h"

#include "platform/ports.h"

namespace qv {

void HandleException(Prompts& prompts, const std::exception& e) {
  prompts.ShowError(std::string(e.what()) + ".");
}

void RunGuarded(Prompts& prompts, const std::function<void()>& event) {
  try {
    event();
  } catch (const std::exception& e) {
    HandleException(prompts, e);
  }
}

}  // namespace qv
