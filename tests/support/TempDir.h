#pragma once
// A folder of its own under the system's temporary folder for one test, removed with all it
// holds when the object goes. A random name that did not exist yet, so tests run side by side
// never share one.

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace jsdebug::testsupport {

class TempDir {
 public:
  explicit TempDir(const std::string& prefix) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = prefix;
      for (int i = 0; i < 8; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
      std::filesystem::path candidate = std::filesystem::temp_directory_path() / name;
      // create_directory is false when the folder exists already: someone else's.
      if (std::filesystem::create_directory(candidate)) {
        std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        path_ = candidate;
        return;
      }
    }
    throw std::runtime_error("no temporary folder for " + prefix);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace jsdebug::testsupport
