#include "uikit/text_measurer.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "uikit/pango_measurer.h"

namespace uikit {

namespace {

struct MeasureKey {
  FontFace face;
  std::string text;
  bool operator==(const MeasureKey&) const = default;
};

size_t hashFace(const FontFace& f) {
  size_t h = std::hash<std::string>{}(f.family);
  h = h * 31 + std::hash<int>{}(f.weight);
  return h * 31 + std::hash<CGFloat>{}(f.pointSize);
}

struct MeasureKeyHash {
  size_t operator()(const MeasureKey& k) const {
    return hashFace(k.face) * 31 + std::hash<std::string>{}(k.text);
  }
};

struct FaceHash {
  size_t operator()(const FontFace& f) const { return hashFace(f); }
};

// Bounded so that a long session of changing texts (a clock, a track title) cannot grow
// it without end; a full cache simply starts over.
constexpr size_t kCacheLimit = 4096;

struct MeasureState {
  std::unique_ptr<TextMeasurer> measurer;
  std::unordered_map<MeasureKey, CGSize, MeasureKeyHash> sizes;
  std::unordered_map<FontFace, FontMetrics, FaceHash> metrics;

  TextMeasurer& current() {
    if (!measurer) measurer = makePangoMeasurer();
    return *measurer;
  }
};

MeasureState& state() {
  static MeasureState s;
  return s;
}

size_t codePoints(std::string_view text) {
  return std::count_if(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

}  // namespace

CGFloat FixedAdvanceMeasurer::lineWidth(const FontFace& face, std::string_view line) {
  return CGFloat(codePoints(line)) * advance_ * face.pointSize;
}

FontMetrics FixedAdvanceMeasurer::metrics(const FontFace& face) {
  CGFloat ascender = ascender_ * face.pointSize;
  CGFloat lineHeight = lineHeight_ * face.pointSize;
  return {ascender, ascender - lineHeight, lineHeight};
}

void setTextMeasurer(std::unique_ptr<TextMeasurer> measurer) {
  clearTextMeasureCache();
  state().measurer = std::move(measurer);
}

void clearTextMeasureCache() {
  state().sizes.clear();
  state().metrics.clear();
}

FontMetrics fontMetrics(const FontFace& face) {
  MeasureState& s = state();
  if (auto it = s.metrics.find(face); it != s.metrics.end()) return it->second;
  if (s.metrics.size() >= kCacheLimit) s.metrics.clear();
  FontMetrics m = face.pointSize > 0 ? s.current().metrics(face) : FontMetrics{};
  s.metrics.emplace(face, m);
  return m;
}

CGSize measureText(const FontFace& face, std::string_view text) {
  if (text.empty() || !(face.pointSize > 0)) return {};
  MeasureState& s = state();
  MeasureKey key{face, std::string(text)};
  if (auto it = s.sizes.find(key); it != s.sizes.end()) return it->second;

  TextMeasurer& measurer = s.current();
  CGFloat width = 0;
  size_t lines = 0;
  for (size_t start = 0;; ++lines) {
    size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    if (!line.empty()) width = std::max(width, measurer.lineWidth(face, line));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  CGSize size{width, CGFloat(lines + 1) * fontMetrics(face).lineHeight};
  if (s.sizes.size() >= kCacheLimit) s.sizes.clear();
  s.sizes.emplace(std::move(key), size);
  return size;
}

}  // namespace uikit
