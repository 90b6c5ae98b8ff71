#pragma once
// Exceptions of the runtime with their German texts, and the application's general handler.
#include <functional>
#include <stdexcept>
#include <string>

namespace qv {

// Base of every exception the program raises on purpose; carries the message shown to the user.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A text that does not convert ("'abc' ist kein gültiger Gleitkommawert").
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Floating-point faults of the arithmetic.
class EMathError : public Exception {
 public:
  using Exception::Exception;
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Ungültige Gleitkommaoperation") {}
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Gleitkommadivision durch Null") {}
};
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Gleitkommaüberlauf") {}
};

class Prompts;

// The application's general handler: an exception that no handler caught is shown as its
// text followed by a full stop in an error box titled "Quorvel", and the program goes on. A
// lack of memory shows "Nicht genügend Arbeitsspeicher.".
void HandleException(Prompts& prompts, const std::exception& e);

// Runs one user event (click, key, menu command) under the general handler.
void RunGuarded(Prompts& prompts, const std::function<void()>& event);

}  // namespace qv
