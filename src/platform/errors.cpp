#include "platform/errors.h"

#include <new>

#include "platform/ports.h"

namespace qv {

// The runtime names a lack of memory by its class ("std::bad_alloc"): the user reads it in German.
void HandleException(Prompts& prompts, const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) {
    prompts.ShowError("Nicht genügend Arbeitsspeicher.");
    return;
  }
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
