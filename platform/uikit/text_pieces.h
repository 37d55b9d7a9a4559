#pragma once
// A long line is set by Pango in pieces, each shaped and placed on its own and the pieces
// put side by side. Pango places glyphs in ints of 1/PANGO_SCALE point, which a line of
// about two million points overflows, and it orders a line's direction runs in time that
// grows with the square of their number, which a long title alternating two scripts makes
// minutes. Measuring and drawing cut a line alike, so that drawn text is as wide as
// measured text.
#include <string>
#include <string_view>
#include <vector>

#include "uikit/text_measurer.h"

namespace uikit {

// The most bytes a piece holds: a title that alternates scripts word by word has a few
// hundred runs in that many, which Pango sets in milliseconds.
inline constexpr size_t kPieceBytes = 1024;

// What Pango sets for `line` (no line breaks in it): the line itself when it is short, or
// its pieces in order, cut at a space near the middle of a part (so that words are shaped
// whole) or else at a character boundary. Each piece starts with a mark of the line's
// direction (U+200E or U+200F, which have no width), so that Pango sets every piece in the
// direction the whole line would take from its first strong character.
std::vector<std::string> linePieces(const FontFace& face, std::string_view line);

// Whether the first strong character of `line` is right-to-left.
bool startsRightToLeft(std::string_view line);

}  // namespace uikit
