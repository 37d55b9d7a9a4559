#pragma once
// Helpers for the simulator's tests: running the built lvsim, a fresh folder per test, and
// reading what it wrote.
#include <cairo.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace lvsim_support {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct ProcessRun {
  int exitCode;
  std::string output;  // both streams
};

// Runs `lvsim ARGS` (ARGS starts with the subcommand).
inline ProcessRun lvsim(const std::string& args) {
  std::string command = std::string(LVSIM_PATH) + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, ""};
  std::string output;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// A fresh folder for the files of one test.
struct Folder {
  fs::path path;
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "lvsim-test-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~Folder() { fs::remove_all(path); }
  fs::path write(const std::string& name, const std::string& text) const {
    std::ofstream(path / name) << text;
    return path / name;
  }
};

inline fs::path sourceFile(const char* relative) { return fs::path(std::getenv("LV_SOURCE_DIR")) / relative; }

inline Json readReport(const fs::path& folder) {
  std::ifstream in(folder / "report.json");
  return Json::parse(in);
}

inline const Json* findClass(const Json& view, const std::string& cls) {
  if (view["class"] == cls) return &view;
  for (const Json& sub : view["subviews"])
    if (const Json* found = findClass(sub, cls)) return found;
  return nullptr;
}

struct Rgb {
  double r, g, b;
};

// A PNG read back, probed by its mean colour over areas.
class Png {
 public:
  explicit Png(const fs::path& file)
      : surface_(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy) {}
  bool ok() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_.get()); }
  int height() const { return cairo_image_surface_get_height(surface_.get()); }

  // The mean colour (0 to 1) of the pixels in [x0, x1) × [y0, y1), opaque pixels assumed.
  Rgb mean(int x0, int y0, int x1, int y1) const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    int stride = cairo_image_surface_get_stride(surface_.get());
    double r = 0, g = 0, b = 0;
    long n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, height()); ++y) {
      for (int x = std::max(x0, 0); x < std::min(x1, width()); ++x) {
        uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
        r += (p >> 16 & 0xff) / 255.0, g += (p >> 8 & 0xff) / 255.0, b += (p & 0xff) / 255.0;
        ++n;
      }
    }
    return n ? Rgb{r / n, g / n, b / n} : Rgb{0, 0, 0};
  }

 private:
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
};

inline double distance(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

}  // namespace lvsim_support
