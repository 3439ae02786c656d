#include "system/standard_output.h"

namespace sw {

StandardOutput::Buffer::Buffer() { setp(held.data(), held.data() + held.size()); }

bool StandardOutput::Buffer::write(std::string_view bytes) {
  if (!failure && !bytes.empty()) failure = WriteStandardOutput(bytes);
  return !failure;
}

int StandardOutput::Buffer::sync() {
  const bool written = write({pbase(), static_cast<std::size_t>(pptr() - pbase())});
  setp(held.data(), held.data() + held.size());
  return written ? 0 : -1;
}

StandardOutput::Buffer::int_type StandardOutput::Buffer::overflow(int_type c) {
  if (sync() != 0) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

// Texts longer than the buffer go out whole rather than piece by piece.
std::streamsize StandardOutput::Buffer::xsputn(const char* text, std::streamsize size) {
  if (size <= epptr() - pptr()) return std::streambuf::xsputn(text, size);
  if (sync() != 0 || !write({text, static_cast<std::size_t>(size)})) return 0;
  return size;
}

// The stream is given its buffer once the buffer is built.
StandardOutput::StandardOutput() : std::ostream(nullptr) { rdbuf(&buffer_); }

std::string WriteFailureReason(const std::ostream& out) {
  const auto* standard = dynamic_cast<const StandardOutput*>(&out);
  if (standard != nullptr && standard->failure()) return *standard->failure();
  return "Input/output error";
}

}  // namespace sw
