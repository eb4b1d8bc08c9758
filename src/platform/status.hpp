// The result of an operation that can fail: success, or a message saying what went wrong.
// Errors are values: file and archive readers return a Status instead of throwing.
#pragma once

#include <string>
#include <utility>

namespace gm {

class [[nodiscard]] Status {
 public:
  Status() = default;  // success
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool IsOk() const { return !failed_; }
  explicit operator bool() const { return IsOk(); }
  // The message of a failure; empty on success.
  const std::string& Message() const { return message_; }

 private:
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace gm
