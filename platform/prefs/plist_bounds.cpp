#include "prefs/plist_bounds.h"

#include <algorithm>
#include <vector>

namespace prefs {

namespace {

constexpr std::string_view kBinaryMagic = "bplist00";
constexpr size_t kTrailerSize = 32;
constexpr std::string_view kMalformed = "not a property list";

std::string tooDeep() { return "nested deeper than " + std::to_string(kMaxPlistDepth) + " levels"; }
std::string tooMany() { return "more than " + std::to_string(kMaxPlistObjects) + " objects"; }

// The binary format: objects after the magic, a table of their offsets, and a trailer
// giving the sizes of offsets and references, the object count, the top object and where
// the table starts. Arrays (0xA), sets (0xC) and dictionaries (0xD, keys then values) hold
// references, object numbers that index the table.
class BinaryScan {
 public:
  explicit BinaryScan(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::string> problem() {
    if (!readTrailer()) return std::string(kMalformed);
    height_.assign(count_, kUnvisited);
    objects_.assign(count_, 0);
    return walkFrom(top_);
  }

 private:
  static constexpr uint8_t kUnvisited = 0xFF, kOnPath = 0xFE;

  struct Contents {
    bool container = false;
    std::vector<uint64_t> references;
  };
  struct Frame {
    uint64_t object;
    Contents contents;
    size_t next = 0;
  };

  // The caller has checked that the range lies inside the bytes.
  uint64_t bigEndian(size_t at, size_t size) const {
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i) value = value << 8 | uint8_t(bytes_[at + i]);
    return value;
  }

  bool readTrailer() {
    if (bytes_.size() < kBinaryMagic.size() + 1 + kTrailerSize) return false;
    size_t trailer = bytes_.size() - kTrailerSize;
    offsetSize_ = uint8_t(bytes_[trailer + 6]);
    refSize_ = uint8_t(bytes_[trailer + 7]);
    count_ = bigEndian(trailer + 8, 8);
    top_ = bigEndian(trailer + 16, 8);
    table_ = bigEndian(trailer + 24, 8);
    return offsetSize_ >= 1 && offsetSize_ <= 8 && refSize_ >= 1 && refSize_ <= 8 && count_ >= 1 &&
           top_ < count_ && table_ > kBinaryMagic.size() && table_ <= trailer &&
           count_ <= (trailer - table_) / offsetSize_;
  }

  // What `object` holds; nothing when its bytes run past the objects or name an object
  // that does not exist.
  std::optional<Contents> contentsOf(uint64_t object) const {
    uint64_t at = bigEndian(table_ + object * offsetSize_, offsetSize_);
    if (at < kBinaryMagic.size() || at >= table_) return std::nullopt;
    uint8_t marker = uint8_t(bytes_[at++]);
    int type = marker >> 4;
    Contents contents{type == 0xA || type == 0xC || type == 0xD, {}};
    if (!contents.container) return contents;
    uint64_t n = marker & 0xF;
    if (n == 0xF) {
      if (at >= table_) return std::nullopt;
      uint8_t sizeMarker = uint8_t(bytes_[at++]);
      if (sizeMarker >> 4 != 1 || (sizeMarker & 0xF) > 3) return std::nullopt;
      size_t size = size_t(1) << (sizeMarker & 0xF);
      if (size > table_ - at) return std::nullopt;
      n = bigEndian(at, size);
      at += size;
    }
    uint64_t room = (table_ - at) / refSize_;
    if (n > room || (type == 0xD && n * 2 > room)) return std::nullopt;
    uint64_t refs = type == 0xD ? n * 2 : n;
    for (uint64_t i = 0; i < refs; ++i, at += refSize_) {
      uint64_t ref = bigEndian(at, refSize_);
      if (ref >= count_) return std::nullopt;
      contents.references.push_back(ref);
    }
    return contents;
  }

  // Depth-first, each object once: its height (containers down to its deepest leaf) and
  // its expanded object count are kept, so a shared object costs one visit. The path
  // never holds more containers than the depth allows.
  std::optional<std::string> walkFrom(uint64_t root) {
    std::vector<Frame> path;
    auto enter = [&](uint64_t object) -> std::optional<std::string> {
      std::optional<Contents> contents = contentsOf(object);
      if (!contents) return std::string(kMalformed);
      if (contents->container && path.size() >= size_t(kMaxPlistDepth)) return tooDeep();
      height_[object] = kOnPath;
      path.push_back(Frame{object, std::move(*contents)});
      return std::nullopt;
    };
    if (auto problem = enter(root)) return problem;
    while (!path.empty()) {
      Frame& frame = path.back();
      const std::vector<uint64_t>& children = frame.contents.references;
      if (frame.next < children.size()) {
        uint64_t child = children[frame.next++];
        if (height_[child] == kOnPath) return "an object contains itself";
        if (height_[child] == kUnvisited)
          if (auto problem = enter(child)) return problem;
        continue;
      }
      uint8_t height = 0;
      uint64_t objects = 1;
      for (uint64_t child : children) {
        height = std::max(height, height_[child]);
        objects = std::min(objects + objects_[child], kMaxPlistObjects + 1);
      }
      if (frame.contents.container) ++height;
      height_[frame.object] = height;
      objects_[frame.object] = objects;
      path.pop_back();
      if (height > kMaxPlistDepth) return tooDeep();
      if (objects > kMaxPlistObjects) return tooMany();
    }
    return std::nullopt;
  }

  std::string_view bytes_;
  uint8_t offsetSize_ = 0, refSize_ = 0;
  uint64_t count_ = 0, top_ = 0, table_ = 0;
  std::vector<uint8_t> height_;    // kUnvisited, kOnPath, or the height once walked
  std::vector<uint64_t> objects_;  // expanded object count once walked, at most one past the bound
};

// XML: the nesting of dict and array elements, and every element but plist as an object.
// Comments, CDATA, processing instructions and declarations are skipped; quoted attribute
// values may hold '>'.
std::optional<std::string> xmlProblem(std::string_view text) {
  int depth = 0;
  uint64_t objects = 0;
  size_t at = 0;
  auto skipPast = [&](std::string_view end) {
    size_t found = text.find(end, at);
    at = found == std::string_view::npos ? text.size() : found + end.size();
  };
  while ((at = text.find('<', at)) != std::string_view::npos) {
    std::string_view rest = text.substr(at);
    if (rest.starts_with("<!--")) {
      skipPast("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      skipPast("]]>");
    } else if (rest.starts_with("<?")) {
      skipPast("?>");
    } else if (rest.starts_with("<!")) {
      skipPast(">");
    } else {
      bool closing = rest.starts_with("</");
      size_t nameStart = at + (closing ? 2 : 1);
      size_t nameEnd = text.find_first_of(" \t\r\n/>", nameStart);
      std::string_view name = text.substr(nameStart, nameEnd == std::string_view::npos ? nameEnd : nameEnd - nameStart);
      size_t end = nameStart;
      for (char quote = 0; end < text.size() && (quote || text[end] != '>'); ++end) {
        if (quote && text[end] == quote)
          quote = 0;
        else if (!quote && (text[end] == '"' || text[end] == '\''))
          quote = text[end];
      }
      bool container = name == "dict" || name == "array";
      bool selfClosing = end < text.size() && text[end - 1] == '/';
      if (closing) {
        if (container && depth > 0) --depth;
      } else {
        if (name != "plist" && ++objects > kMaxPlistObjects) return tooMany();
        if (container && !selfClosing && ++depth > kMaxPlistDepth) return tooDeep();
      }
      at = end;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> plistBoundsProblem(std::string_view bytes) {
  if (bytes.starts_with(kBinaryMagic)) return BinaryScan(bytes).problem();
  // Text that is not XML is refused here: later libplist versions read JSON and OpenStep
  // lists too, which this scan does not bound.
  size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || bytes[first] != '<') return std::string(kMalformed);
  return xmlProblem(bytes);
}

}  // namespace prefs
