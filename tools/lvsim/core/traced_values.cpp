#include "tools/lvsim/core/traced_values.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "foundation/values.h"
#include "runtime/type_layout.h"
#include "runtime/untrusted_pointers.h"

namespace lv::sim {

namespace {

constexpr size_t kLongestString = 48;  // characters of a string shown
constexpr size_t kMostElements = 8;    // elements of an array shown
constexpr int kDeepest = 4;            // structures within structures shown

template <class T>
T read(const void* value) {
  T t;
  std::memcpy(&t, value, sizeof t);
  return t;
}

template <class T>
void appendNumber(std::string& line, T number) {
  char text[32];
  line.append(text, std::to_chars(text, text + sizeof text, number).ptr);
}

void appendQuoted(std::string& line, std::string_view text) {
  line += '"';
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80 && characters++ == kLongestString) {
      line += "…";
      break;
    }
    if (byte == '"' || byte == '\\') {
      line += '\\';
      line += char(byte);
    } else if (byte == '\n') {
      line += "\\n";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      line += escaped;
    } else {
      line += char(byte);
    }
  }
  line += '"';
}

}  // namespace

void TracedValueWriter::appendFrame(std::string& line, const rt::TraceEvent& event) {
  line += class_getName(event.receiverClass);
  line += ' ';
  appendMessage(line, sel_getName(event.selector), event.arguments);
  if (event.kind != rt::TraceKind::Return || event.result.type.empty() || event.result.type.starts_with('v')) return;
  line += " -> ";
  append(line, event.result);
}

void TracedValueWriter::appendMessage(std::string& line, std::string_view selector,
                                      std::span<const rt::TracedValue> arguments) {
  if (arguments.empty()) {
    line += selector;
    return;
  }
  size_t given = 0;
  auto appendArgument = [&] {
    line += ' ';
    append(line, arguments[given]);
  };
  for (; !selector.empty(); ++given) {
    size_t part = std::min(selector.find(':'), selector.size() - 1) + 1;
    if (given > 0) line += ' ';
    line += selector.substr(0, part);
    selector.remove_prefix(part);
    if (given < arguments.size()) appendArgument();
  }
  for (; given < arguments.size(); ++given) appendArgument();
}

void TracedValueWriter::append(std::string& line, const rt::TracedValue& value) {
  std::optional<rt::EncodedType> type = value.value ? rt::readType(value.type) : std::nullopt;
  if (!type) {
    line += '?';
    return;
  }
  appendValue(line, type->type, value.value, 0);
}

void TracedValueWriter::appendValue(std::string& line, std::string_view type, const void* value, int depth) {
  switch (type.front()) {
    case 'c': return appendNumber(line, read<int8_t>(value));
    case 'C': return appendNumber(line, read<uint8_t>(value));
    case 's': return appendNumber(line, read<int16_t>(value));
    case 'S': return appendNumber(line, read<uint16_t>(value));
    case 'i': case 'l': return appendNumber(line, read<int32_t>(value));
    case 'I': case 'L': return appendNumber(line, read<uint32_t>(value));
    case 'q': return appendNumber(line, read<int64_t>(value));
    case 'Q': return appendNumber(line, read<uint64_t>(value));
    case 'f': return appendNumber(line, read<float>(value));
    case 'd': return appendNumber(line, read<double>(value));
    case 'B': line += read<uint8_t>(value) ? "YES" : "NO"; return;  // any byte, not only a bool's two
    case '#': {
      auto cls = read<Class>(value);
      line += !cls ? "Nil" : rt::isClassPointer(cls) ? class_getName(cls) : "<not a class>";
      return;
    }
    case ':': {
      auto sel = read<SEL>(value);
      line += !sel ? "NULL" : rt::isSelectorPointer(sel) ? std::string("@selector(") + sel_getName(sel) + ")" : "<not a selector>";
      return;
    }
    case '*': {
      auto text = read<const char*>(value);
      std::optional<std::string> readable = text ? rt::readUntrustedString(text, 4 * kLongestString + 1) : std::nullopt;
      if (readable) appendQuoted(line, *readable);
      else line += text ? "<unreadable>" : "NULL";
      return;
    }
    case '^': line += read<const void*>(value) ? "<pointer>" : "NULL"; return;
    case '@':
      if (type.starts_with("@?")) {
        line += read<id>(value) ? "<block>" : "nil";
        return;
      }
      return appendObject(line, read<id>(value));
    case '{': case '[': {
      if (depth == kDeepest) {
        line += "{…}";
        return;
      }
      bool array = type.front() == '[';
      line += array ? '[' : '{';
      size_t index = 0;
      bool whole = rt::forEachPart(type, [&](std::string_view part, size_t offset, rt::TypeLayout) {
        if (index > 0) line += ", ";
        if (array && index == kMostElements) {
          line += "…";
          return false;
        }
        ++index;
        appendValue(line, part, static_cast<const char*>(value) + offset, depth + 1);
        return true;
      });
      if (!whole) line += '?';
      line += array ? ']' : '}';
      return;
    }
    default: line += '?'; return;  // long doubles, unions, bit fields
  }
}

void TracedValueWriter::appendObject(std::string& line, id object) {
  if (!object) {
    line += "nil";
    return;
  }
  if (!rt::isObjectPointer(object)) {
    line += "<not an object>";
    return;
  }
  Class cls = object_getClass(object);
  if (class_isMetaClass(cls)) {
    line += class_getName(reinterpret_cast<Class>(object));
    return;
  }
  static const Class string = objc_getClass("NSString"), number = objc_getClass("NSNumber");
  if (rt::isKindOfClass(object, string)) return appendQuoted(line, static_cast<NSString*>(object)->utf8);
  if (rt::isKindOfClass(object, number)) {
    const auto* n = static_cast<const NSNumber*>(object);
    line += '@';
    if (n->kind == NSNumber::Kind::Bool) line += n->integer ? "YES" : "NO";
    else if (n->kind == NSNumber::Kind::Integer) appendNumber(line, n->integer);
    else appendNumber(line, n->real);
    return;
  }
  uint64_t serial = rt::serialOf(object);
  auto [at, added] = names_.try_emplace({serial, serial ? nullptr : object});
  if (added) {
    std::string name = class_getName(cls);
    at->second = "<" + name + " #" + std::to_string(++classCounts_[name]) + ">";
  }
  line += at->second;
}


}  // namespace lv::sim
