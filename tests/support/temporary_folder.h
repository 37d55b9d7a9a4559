#pragma once
// A fresh folder for the files of one test, removed with everything in it.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testing_support {

struct Folder {
  std::filesystem::path path =
      mkdtemp((std::filesystem::temp_directory_path() / "lv-test-XXXXXX").string().data());  // filled in place
  Folder() = default;
  ~Folder() { std::filesystem::remove_all(path); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::filesystem::path write(const std::string& name, const std::string& text) const {
    std::ofstream(path / name) << text;
    return path / name;
  }
};

}  // namespace testing_support
