#pragma once

#include <string>
#include <string_view>
#include <system_error>

// The one error type of every file operation. code() is the operating
// system's error code; what() names the failure and the file, for a person.
// Lookups never throw it for "not found": that is a result.
class IoError : public std::system_error {
 public:
  IoError(int code, std::string message);

  const char* what() const noexcept override { return message.c_str(); }

 private:
  std::string message;
};

// The failure text for an errno value: the classic wording for the failures
// our users know ("File not found", "Disk full"), the system's text otherwise.
std::string failureText(int code);

// Throws IoError for `code` on the file `path`.
[[noreturn]] void throwIoError(int code, std::string_view path);

// A read past the last record: not an OS failure, but reported like one.
[[noreturn]] void throwReadBeyondEnd(std::string_view path);
