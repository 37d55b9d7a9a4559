#include "runtime/signature.h"

#include <memory>
#include <unordered_map>

namespace rt {

namespace {

constexpr std::string_view kQualifiers = "rnNoORV";
constexpr std::string_view kSimple = "cislqCISLQfdDBv*#:?";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipDigits(std::string_view s, size_t i) {
  while (i < s.size() && isDigit(s[i])) ++i;
  return i;
}

size_t skipQualifiers(std::string_view s, size_t i) {
  while (i < s.size() && kQualifiers.find(s[i]) != std::string_view::npos) ++i;
  return i;
}

// The end of the type that starts at `i` (after its qualifiers), or npos.
size_t typeEnd(std::string_view s, size_t i) {
  i = skipQualifiers(s, i);
  if (i >= s.size()) return std::string_view::npos;
  char c = s[i];
  if (kSimple.find(c) != std::string_view::npos) return i + 1;
  switch (c) {
    case '@':
      if (i + 1 < s.size() && s[i + 1] == '"') {
        size_t close = s.find('"', i + 2);
        return close == std::string_view::npos ? close : close + 1;
      }
      if (i + 1 < s.size() && s[i + 1] == '?') {
        if (i + 2 < s.size() && s[i + 2] == '<') {
          size_t close = s.find('>', i + 3);
          return close == std::string_view::npos ? close : close + 1;
        }
        return i + 2;
      }
      return i + 1;
    case '^':
      return typeEnd(s, i + 1);
    case 'b': {
      size_t end = skipDigits(s, i + 1);
      return end == i + 1 ? std::string_view::npos : end;
    }
    case '[': {
      size_t end = typeEnd(s, skipDigits(s, i + 1));
      return end < s.size() && s[end] == ']' ? end + 1 : std::string_view::npos;
    }
    case '{':
    case '(': {
      char close = c == '{' ? '}' : ')';
      size_t j = i + 1;
      while (j < s.size() && s[j] != '=' && s[j] != close) ++j;
      if (j < s.size() && s[j] == '=') {
        ++j;
        while (j < s.size() && s[j] != close) {
          j = typeEnd(s, j);
          if (j == std::string_view::npos) return j;
        }
      }
      return j < s.size() ? j + 1 : std::string_view::npos;
    }
    default:
      return std::string_view::npos;
  }
}

// The shape of one whole type.
void appendShape(std::string& out, std::string_view type) {
  type.remove_prefix(skipQualifiers(type, 0));
  char c = type[0];
  if (c == '@') {
    out += '@';
  } else if (c == '^') {
    out += '^';
    appendShape(out, type.substr(1));
  } else if (c == '[') {
    size_t count = skipDigits(type, 1);
    out += type.substr(0, count);
    appendShape(out, type.substr(count, type.size() - count - 1));
    out += ']';
  } else if ((c == '{' || c == '(') && type.find('=') != std::string_view::npos) {
    size_t eq = type.find('=');
    out += type.substr(0, eq + 1);
    for (std::string_view members = type.substr(eq + 1, type.size() - eq - 2); !members.empty();) {
      size_t end = typeEnd(members, 0);
      appendShape(out, members.substr(0, end));
      members.remove_prefix(end);
    }
    out += type.back();
  } else {
    out += type;
  }
}

}  // namespace

std::optional<EncodedType> readType(std::string_view types) {
  size_t start = skipQualifiers(types, 0);
  size_t end = typeEnd(types, 0);
  if (end == std::string_view::npos) return std::nullopt;
  size_t digits = skipDigits(types, end);
  return EncodedType{types.substr(0, start), types.substr(start, end - start),
                     types.substr(end, digits - end), types.substr(digits)};
}

std::string shapeOf(std::string_view types) {
  std::string shape;
  while (!types.empty()) {
    std::optional<EncodedType> t = readType(types);
    if (!t) {
      shape += types;  // not an encoding this reader knows: kept whole
      break;
    }
    appendShape(shape, t->type);
    types = t->rest;
  }
  return shape;
}

const Signature* internSignature(std::string_view types) {
  static auto* table = new std::unordered_map<std::string, std::unique_ptr<Signature>>;
  std::string shape = shapeOf(types);
  if (auto it = table->find(shape); it != table->end()) return it->second.get();
  auto sig = std::make_unique<Signature>(Signature{shape, std::string(types)});
  const Signature* result = sig.get();
  table->emplace(std::move(shape), std::move(sig));
  return result;
}

}  // namespace rt
