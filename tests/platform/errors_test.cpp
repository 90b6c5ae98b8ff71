// The application's general handler: what the user reads of an exception nobody caught.
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <deque>
#include <new>
#include <string>

#include "fakes.h"

namespace qv {
namespace {

TEST(GeneralHandler, ShowsTheTextWithAFullStopAndAGermanTextForALackOfMemory) {
  qvs::FakePrompts prompts;
  RunGuarded(prompts, [] { throw EOverflow(); });
  RunGuarded(prompts, [] { throw std::bad_alloc(); });
  RunGuarded(prompts, [] { throw std::bad_array_new_length(); });
  EXPECT_EQ(prompts.messages,
            (std::deque<std::string>{"Gleitkommaüberlauf.", "Nicht genügend Arbeitsspeicher.",
                                     "Nicht genügend Arbeitsspeicher."}));
}

}  // namespace
}  // namespace qv
