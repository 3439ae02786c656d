#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sw {

// A fresh folder for one file-writer test, open to every user so that a
// test may act in it as an unprivileged one.
class WriterFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("sumwright-writer-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::permissions(dir_, std::filesystem::perms::all);
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::all);
    std::filesystem::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string Read(const std::string& path) {
    std::ifstream in{path, std::ios::binary};
    return {std::istreambuf_iterator<char>{in}, {}};
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream{path, std::ios::binary} << bytes;
  }
  static struct stat Status(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
  }
  std::size_t EntriesInDir() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator{dir_}, {}));
  }

  std::filesystem::path dir_;
};

}  // namespace sw
