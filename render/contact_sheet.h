#pragma once
// A contact sheet: pictures shrunk side by side in rows, each with its caption beneath, on
// a dark ground. Pictures are shrunk as they are added, so the full-size ones need not be
// kept.
//
//   lv::render::ContactSheet sheet({.columns = 4, .pictureHeight = 600});
//   sheet.add(picture, "1  playing", "A long title plays");
//   sheet.compose().writePng("sheet.png");
#include <memory>
#include <string>
#include <vector>

#include "render/picture.h"
#include "render/surface_ptr.h"

namespace lv::render {

struct ContactSheetLayout {
  int columns = 4;
  int pictureHeight = 600;  // pixels; widths keep each picture's proportions
};

class ContactSheet {
 public:
  explicit ContactSheet(ContactSheetLayout layout = {});

  // `title` is set in bold above `caption`; the caption wraps to the picture's width.
  void add(const Picture& picture, std::string title, std::string caption);
  size_t size() const { return cells_.size(); }

  // The sheet; one margin wide when nothing has been added.
  Picture compose() const;

 private:
  struct Cell {
    SurfacePtr thumbnail;
    int width;
    std::string title, caption;
  };
  ContactSheetLayout layout_;
  std::vector<Cell> cells_;
};

}  // namespace lv::render
