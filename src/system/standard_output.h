#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace sw {

// Writes all of `bytes` to the process's standard output, unchanged.
// Returns the system's reason on failure, in the words the file writer
// uses, nothing on success.
std::optional<std::string> WriteStandardOutput(std::string_view bytes);

// The standard output as a stream that keeps the system's reason for the
// first write that failed: the stream then fails, and nothing more is
// written.
class StandardOutput : public std::ostream {
 public:
  StandardOutput();

  const std::optional<std::string>& failure() const { return buffer_.failure; }

 private:
  struct Buffer : std::streambuf {
    Buffer();
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize size) override;
    int sync() override;
    bool write(std::string_view bytes);

    std::array<char, 1 << 16> held;
    std::optional<std::string> failure;
  };

  Buffer buffer_;
};

// Why writing `out` failed: the system's reason where `out` is a
// StandardOutput that knows it, else the C library's general words.
std::string WriteFailureReason(const std::ostream& out);

}  // namespace sw
