// The command line run in-process with fuzzed arguments, one a line. Every
// input ends in one of the documented exit codes; a failure says why on the
// error stream, a success writes to the output stream. Arguments naming a
// report file are left out, so no run writes files.
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "fuzz_support.h"

namespace {

using sw::cli::ExitCode;
using sw::fuzz::Require;

bool NamesReportFile(std::string_view argument) {
  return argument.find("--save") != std::string_view::npos ||
         argument.find("--append") != std::string_view::npos;
}

// Counts what is written and keeps none of it: a schedule's output may
// run to tens of megabytes, of which only the presence is checked.
class CountingBuffer : public std::streambuf {
 public:
  std::streamsize count() const { return count_; }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) ++count_;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize size) override {
    count_ += size;
    return size;
  }

 private:
  std::streamsize count_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input{reinterpret_cast<const char*>(data), size};
  std::vector<std::string> args;
  for (std::size_t start = 0; start <= input.size();) {
    const auto end = std::min(input.find('\n', start), input.size());
    args.emplace_back(input.substr(start, end - start));
    if (NamesReportFile(args.back())) return 0;
    start = end + 1;
  }
  CountingBuffer written;
  std::ostream out(&written);
  std::ostringstream err;
  const ExitCode code = sw::cli::RunCommandLine(args, out, err);
  switch (code) {
    case ExitCode::kSuccess:
      Require(written.count() > 0 && err.view().empty(), "a success prints output and no error",
              input);
      break;
    case ExitCode::kCalcFailure:
    case ExitCode::kUsage:
      Require(!err.view().empty(), "a failure says why", input);
      break;
    default:
      Require(false, "only the documented exit codes", input);
  }
  return 0;
}
