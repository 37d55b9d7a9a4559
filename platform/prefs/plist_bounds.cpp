#include "prefs/plist_bounds.h"

#include <iconv.h>
#include <plist/plist.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace prefs {

namespace {

constexpr std::string_view kBinaryMagic = "bplist00";
constexpr size_t kTrailerSize = 32;
constexpr std::string_view kMalformed = "not a property list";

std::string tooDeep() { return "nested deeper than " + std::to_string(kMaxPlistDepth) + " levels"; }
std::string tooMany() { return "more than " + std::to_string(kMaxPlistObjects) + " objects"; }

// A key quoted for a message, its NULs shown as \x00 (a line stops at a NUL), cut short:
// a key may be as long as the file.
std::string quotedKey(std::string_view key) {
  constexpr size_t kShown = 40;
  std::string shown = "\"";
  for (char c : key.substr(0, kShown)) shown += c ? std::string(1, c) : "\\x00";
  return shown + (key.size() > kShown ? "…\"" : "\"");
}

// The first key of `keys` that holds a NUL or repeats an earlier one.
std::optional<std::string> keysProblem(const std::vector<std::string>& keys) {
  std::set<std::string_view> seen;
  for (const std::string& key : keys) {
    if (key.find('\0') != std::string::npos) return "key " + quotedKey(key) + " holds a NUL character";
    if (!seen.insert(key).second) return "key " + quotedKey(key) + " appears twice";
  }
  return std::nullopt;
}

// UTF-16 code units, big-endian, as UTF-8; nothing when they are not UTF-16.
std::optional<std::string> utf8FromUtf16(std::string_view units) {
  iconv_t converter = iconv_open("UTF-8", "UTF-16BE");
  if (converter == iconv_t(-1)) return std::nullopt;
  std::unique_ptr<void, int (*)(iconv_t)> owner(converter, iconv_close);
  std::string out(units.size() * 2, '\0');  // each unit becomes at most 3 bytes, a pair 4
  char* in = const_cast<char*>(units.data());
  char* into = out.data();
  size_t inLeft = units.size(), outLeft = out.size();
  if (iconv(converter, &in, &inLeft, &into, &outLeft) == size_t(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

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
    if (auto problem = walkFrom(top_)) return problem;
    return topKeysProblem();
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

  // An object's marker type, its length (elements, bytes or code units) and where what
  // follows its header starts; nothing when the header runs past the objects.
  struct Header {
    int type;
    uint64_t length;
    uint64_t at;
  };
  std::optional<Header> headerOf(uint64_t object) const {
    uint64_t at = bigEndian(table_ + object * offsetSize_, offsetSize_);
    if (at < kBinaryMagic.size() || at >= table_) return std::nullopt;
    uint8_t marker = uint8_t(bytes_[at++]);
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
    return Header{marker >> 4, n, at};
  }

  // What `object` holds; nothing when its bytes run past the objects or name an object
  // that does not exist.
  std::optional<Contents> contentsOf(uint64_t object) const {
    uint64_t at = bigEndian(table_ + object * offsetSize_, offsetSize_);
    if (at < kBinaryMagic.size() || at >= table_) return std::nullopt;
    int type = uint8_t(bytes_[at]) >> 4;
    Contents contents{type == 0xA || type == 0xC || type == 0xD, {}};
    if (!contents.container) return contents;
    std::optional<Header> header = headerOf(object);
    if (!header) return std::nullopt;
    uint64_t n = header->length;
    at = header->at;
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

  // The top dictionary's keys, which the walk has found sound: ASCII (0x5) or UTF-16
  // (0x6) text. A key of another kind is left for libplist to refuse.
  std::optional<std::string> topKeysProblem() const {
    if (std::optional<Header> top = headerOf(top_); !top || top->type != 0xD) return std::nullopt;
    std::vector<uint64_t> references = contentsOf(top_)->references;
    std::vector<std::string> keys;
    for (size_t i = 0; i < references.size() / 2; ++i) {
      std::optional<Header> key = headerOf(references[i]);
      if (!key || (key->type != 0x5 && key->type != 0x6)) continue;
      uint64_t size = key->type == 0x6 ? key->length * 2 : key->length;
      if (key->length > table_ || size > table_ - key->at) return std::string(kMalformed);
      std::string_view text = bytes_.substr(key->at, size);
      std::optional<std::string> utf8 = key->type == 0x5 ? std::string(text) : utf8FromUtf16(text);
      if (!utf8) return std::string(kMalformed);
      keys.push_back(std::move(*utf8));
    }
    return keysProblem(keys);
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

// The text of an XML key element, with its entities and character references resolved
// by libplist; nothing when libplist cannot read it, which the whole file then shows. A
// NUL byte, which libplist would cut the key at, is kept.
std::optional<std::string> xmlKeyText(std::string_view raw) {
  if (raw.find('\0') != std::string_view::npos) return std::string(raw);
  std::string document = "<plist><string>" + std::string(raw) + "</string></plist>";
  plist_t node = nullptr;
  plist_from_xml(document.data(), uint32_t(document.size()), &node);
  std::unique_ptr<void, void (*)(plist_t)> owner(node, plist_free);
  uint64_t length = 0;
  const char* text = node && plist_get_node_type(node) == PLIST_STRING ? plist_get_string_ptr(node, &length) : nullptr;
  if (!text) return std::nullopt;
  return std::string(text, length);
}

// XML: the nesting of dict and array elements, and every element but plist as an object.
// Comments, CDATA, processing instructions and declarations are skipped; quoted attribute
// values may hold '>'. The keys of a dict at the top are gathered.
std::optional<std::string> xmlProblem(std::string_view text) {
  int depth = 0;
  uint64_t objects = 0;
  std::string_view outermost;
  std::vector<std::string> topKeys;
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
        if (container && outermost.empty()) outermost = name;
        if (container && !selfClosing && ++depth > kMaxPlistDepth) return tooDeep();
        bool topKey = name == "key" && !selfClosing && depth == 1 && outermost == "dict";
        if (size_t close = topKey ? text.find("</key>", end) : std::string_view::npos; close != std::string_view::npos)
          if (std::optional<std::string> key = xmlKeyText(text.substr(end + 1, close - end - 1)))
            topKeys.push_back(std::move(*key));
      }
      at = end;
    }
  }
  return keysProblem(topKeys);
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
