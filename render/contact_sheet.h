#pragma once
// A contact sheet: pictures shrunk side by side in rows, each with its caption beneath, on
// a dark ground, and with a close-up of one part of the picture between them where it is
// given. Pictures are shrunk as they are added, so the full-size ones need not be kept.
//
//   lv::render::ContactSheet sheet({.columns = 4, .pictureHeight = 600});
//   sheet.add(picture, "1  playing", "A long title plays");
//   auto written = sheet.compose().writePng("sheet.png");
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/geometry.h"
#include "render/picture.h"
#include "render/surface_ptr.h"

namespace lv::render {

struct ContactSheetLayout {
  int columns = 4;
  int pictureHeight = 600;  // pixels; widths keep each picture's proportions
  int closeUpWidth = 640;   // pixels; heights keep each close-up's proportions
};

class ContactSheet {
 public:
  explicit ContactSheet(ContactSheetLayout layout = {});

  // `title` is set in bold above `caption`; the caption wraps to the column's width.
  // `closeUp`, in the picture's pixels (cut to the picture), is shown under the picture
  // at the close-up width.
  void add(const Picture& picture, std::string title, std::string caption, std::optional<PixelRect> closeUp = {});
  size_t size() const { return cells_.size(); }

  // The sheet; one margin wide when nothing has been added.
  Picture compose() const;

  struct Image {
    SurfacePtr surface;  // null: none
    int width = 0, height = 0;
  };

 private:
  struct Cell {
    Image thumbnail, closeUp;
    std::string title, caption;
  };
  static Image shrunk(const Picture& picture, PixelRect part, int width, int height);

  ContactSheetLayout layout_;
  std::vector<Cell> cells_;
};

}  // namespace lv::render
