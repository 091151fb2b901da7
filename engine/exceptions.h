#pragma once
// The engine's error classes. Everything the engine raises is an Exception (or one of its two
// subclasses); no other exception type leaves the engine.

#include <exception>
#include <string>

namespace bars {

// The general error: carries one message, exactly as the user will see it.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};

// A failed internal check. Message: "<text> (<source file>, line <n>)".
class EAssertionFailed : public Exception {
 public:
  using Exception::Exception;
};

// A string that is not a valid integer. Message: "'<text>' is not a valid integer value".
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Raises EAssertionFailed for `text`, naming the source file (base name) and line given.
[[noreturn]] void AssertionFailed(const std::string& text, const char* file, int line);

// Raises EAssertionFailed for `text` at the place of the check.
#define BARS_ASSERTION_FAILED(text) ::bars::AssertionFailed((text), __FILE__, __LINE__)

}  // namespace bars
