// "Wiederholen": the pending operation is applied again to field 1 with the operand of
// field 2, once or a requested number of times; "=" or an operator key closes the series.
#include <string_view>

#include "calculator/key_rollback.h"
#include "calculator/main_window.h"

namespace qv {

namespace {

// More steps than this in one go would hold the window for minutes and are never meant.
constexpr long long kMostRepeats = 10000;

}  // namespace

void TForm1::RepeatKey() {
  // Only an operation of two operands is repeated: a one-operand function left pending would
  // ask for its base or exponent at every step.
  const bool twoOperands = std::string_view("+-x/%").find(S.PendingOp) != std::string_view::npos;
  if (S.InputState != 2 || Label3.Text().empty() || !twoOperands) return FocusEquals();
  long long count = 1;
  if (repeatPrompt_) {
    repeatPrompt_ = false;
    const std::string answer = ports.prompts.InputBox(
        "Wiederholungszahl", "Die Zahl der Wiederholungen bitte eingeben!", "2");
    if (answer.empty()) return;
    count = StrToInt(answer);
    if (count > kMostRepeats) {
      ports.prompts.ShowMessage("Höchstens " + std::to_string(kMostRepeats) +
                                " Wiederholungen auf einmal; es wird " +
                                std::to_string(kMostRepeats) + "-mal wiederholt.");
      count = kMostRepeats;
    }
  }
  // A step that overflows takes the earlier steps of this key back with it.
  AllOrNothing(*this, [&] {
    for (long long i = 0; i < count; ++i) {
      S.RepeatMode = 1;
      EvaluateSteps();
    }
  });
  FocusEquals();
}

void TForm1::RepeatWithPrompt() {
  repeatPrompt_ = true;
  RepeatKey();
}

}  // namespace qv
