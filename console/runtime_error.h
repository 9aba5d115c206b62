// The way both programs end on an input or output error: "Runtime error N at
// WHERE" on standard error, exit code N. The mains catch it, restore the
// terminal first, then report.
#pragma once

#include <exception>
#include <string>

namespace console {

inline constexpr int kErrFileNotFound = 2;
inline constexpr int kErrAccessDenied = 5;
inline constexpr int kErrDiskRead = 100;
inline constexpr int kErrDiskWrite = 101;
inline constexpr int kErrInvalidNumber = 106;

class RuntimeError : public std::exception {
 public:
  RuntimeError(int code, std::string where)
      : code_(code),
        where_(std::move(where)),
        message_("Runtime error " + std::to_string(code_) + " at " + where_) {}
  int code() const { return code_; }
  const std::string& where() const { return where_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  int code_;
  std::string where_;
  std::string message_;
};

}  // namespace console
