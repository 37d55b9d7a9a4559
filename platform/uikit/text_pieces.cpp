#include "uikit/text_pieces.h"

#include <fribidi.h>
#include <glib.h>

#include <limits>

namespace uikit {

namespace {

// Pango's widths are ints of 1/1024 point: a part that could come near half of the widest,
// at a generous four ems a byte, is cut as well.
constexpr double kSafePoints = double(std::numeric_limits<int>::max() / 1024) / 2;
constexpr double kMostEmsPerByte = 4;

constexpr std::string_view kLeftToRightMark = "\u200E", kRightToLeftMark = "\u200F";

bool needsCut(const FontFace& face, std::string_view part) {
  if (part.size() <= 1) return false;
  return part.size() > kPieceBytes || double(part.size()) * face.pointSize * kMostEmsPerByte > kSafePoints;
}

// Where the first of two parts ends: at the last space in the second quarter, or else at
// the first character boundary from the middle.
size_t cutAt(std::string_view part) {
  size_t middle = part.size() / 2;
  size_t space = part.rfind(' ', middle);
  if (space != std::string_view::npos && space > middle / 2) return space;
  size_t cut = middle;
  while (cut < part.size() && (static_cast<unsigned char>(part[cut]) & 0xC0) == 0x80) ++cut;
  return cut < part.size() ? cut : middle;
}

void cut(const FontFace& face, std::string_view part, std::string_view mark, std::vector<std::string>& pieces) {
  if (!needsCut(face, part)) {
    pieces.push_back(std::string(mark).append(part));
    return;
  }
  size_t end = cutAt(part);
  cut(face, part.substr(0, end), mark, pieces);
  cut(face, part.substr(end), mark, pieces);
}

}  // namespace

bool startsRightToLeft(std::string_view line) {
  const char* end = line.data() + line.size();
  for (const char* at = line.data(); at < end; at = g_utf8_next_char(at)) {
    FriBidiCharType type = fribidi_get_bidi_type(g_utf8_get_char_validated(at, end - at));
    if (FRIBIDI_IS_STRONG(type)) return FRIBIDI_IS_RTL(type);
  }
  return false;
}

std::vector<std::string> linePieces(const FontFace& face, std::string_view line) {
  if (!needsCut(face, line)) return {std::string(line)};
  std::vector<std::string> pieces;
  cut(face, line, startsRightToLeft(line) ? kRightToLeftMark : kLeftToRightMark, pieces);
  return pieces;
}

}  // namespace uikit
