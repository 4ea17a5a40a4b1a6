// Exception types that end a command. Each carries the text shown to the user (GBK);
// the window shows it in a message box and keeps running.
#pragma once

#include <exception>
#include <string>

namespace zarnix {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// Floating-point faults.
class EMathError : public Exception {
  using Exception::Exception;
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

// A text that is not a number of the required kind, or a bad format string.
class EConvertError : public Exception {
  using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EInOutError : public Exception {
  using Exception::Exception;
};

// An index outside a list or grid.
class EListError : public Exception {
  using Exception::Exception;
};

}  // namespace zarnix
