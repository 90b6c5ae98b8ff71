// The step keys raise or lower field 1 by the step factor while the graph panel is shown, so
// that a live function follows the value step by step.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "calculator/number_reading.h"
#include "platform/text.h"

namespace qv {

void TForm1::StepField1(int direction) {
  AllOrNothing(*this, [&] { StepBy(direction); });
}

void TForm1::StepBy(int direction) {
  S.Operand1 = ReadEntryText(S.Entry1);
  if (S.StepFactor == 0) S.StepFactor = 1;
  const Extended a = S.Operand1, step = S.StepFactor;
  S.CurValue = CheckedResult(direction > 0 ? a + step : a - step, a, step);
  S.Entry1 = CanonicalText(S.CurValue);
  FormatValue();
  Label1.SetText(S.DisplayText);
  ReapplyLiveFunction();
}

void TForm1::AskStepFactor() {
  std::string text = ports.prompts.InputBox(
      "Erhöhungsfaktor", "Den Erhöhungsfaktor eingeben(z.B. 0,001)", stepFactorText_);
  if (Contains(text, ",")) text = NormalizeNumberText(text);
  S.StepFactor = ReadNumberInRange(text);
  stepFactorText_ = text;
}

}  // namespace qv
