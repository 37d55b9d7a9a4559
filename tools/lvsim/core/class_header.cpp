#include "tools/lvsim/core/class_header.h"

#include <cctype>
#include <map>

namespace lv::sim {

namespace {

const std::map<char, const char*> kScalars = {
    {'c', "char"},          {'i', "int"},           {'s', "short"},           {'l', "long"},
    {'q', "long long"},     {'C', "unsigned char"}, {'I', "unsigned int"},    {'S', "unsigned short"},
    {'L', "unsigned long"}, {'Q', "unsigned long long"}, {'f', "float"},      {'d', "double"},
    {'D', "long double"},   {'B', "BOOL"},          {'v', "void"},            {'*', "char *"},
    {'#', "Class"},         {':', "SEL"},           {'?', "void"}};

constexpr std::string_view kQualifiers = "rnNoORVA";

// Moves `at` past the aggregate that opens at it, nested ones included.
void skipAggregate(std::string_view e, size_t& at, char open, char close) {
  int depth = 0;
  for (; at < e.size(); ++at) {
    if (e[at] == open) ++depth;
    if (e[at] == close && --depth == 0) break;
  }
  ++at;
}

std::string pointerTo(const std::string& type) { return type.ends_with('*') ? type + "*" : type + " *"; }

// The type that starts at `at`, leaving `at` after it and its offset.
std::string readType(std::string_view e, size_t& at) {
  while (at < e.size() && kQualifiers.find(e[at]) != std::string_view::npos) ++at;
  if (at >= e.size()) return "void";
  std::string type;
  char c = e[at++];
  if (c == '@') {
    type = "id";
    if (at < e.size() && e[at] == '?') {
      type = "id /* block */";
      ++at;
    } else if (at < e.size() && e[at] == '"') {
      size_t end = e.find('"', at + 1);
      type = pointerTo(std::string(e.substr(at + 1, end - at - 1)));
      at = end == std::string_view::npos ? e.size() : end + 1;
    }
  } else if (c == '^') {
    type = pointerTo(readType(e, at));
    return type;
  } else if (c == '{' || c == '(') {
    size_t start = at--;
    size_t nameEnd = e.find_first_of("=}) ", start);
    type = std::string(c == '{' ? "struct " : "union ") + std::string(e.substr(start, nameEnd - start));
    skipAggregate(e, at, c, c == '{' ? '}' : ')');
  } else if (c == '[') {
    while (at < e.size() && std::isdigit(static_cast<unsigned char>(e[at]))) ++at;
    type = pointerTo(readType(e, at));
    if (at < e.size() && e[at] == ']') ++at;
  } else if (c == 'b') {
    type = "unsigned int";
    while (at < e.size() && std::isdigit(static_cast<unsigned char>(e[at]))) ++at;
    return type;
  } else if (auto scalar = kScalars.find(c); scalar != kScalars.end()) {
    type = scalar->second;
  } else {
    type = "void /* " + std::string(1, c) + " */";
  }
  while (at < e.size() && (e[at] == '-' || std::isdigit(static_cast<unsigned char>(e[at])))) ++at;
  return type;
}

// "UILabel *" and "_timeLabel" as "UILabel *_timeLabel".
std::string declaration(const std::string& type, const std::string& name) {
  return type + (type.ends_with('*') ? "" : " ") + name;
}

std::string methodLine(char kind, const ListedMember& m) {
  size_t at = 0;
  std::vector<std::string> types;
  while (at < m.types.size()) types.push_back(readType(m.types, at));
  if (types.empty()) return std::string(1, kind) + " " + m.name + "; // no type encoding\n";
  std::string line = std::string(1, kind) + " (" + types[0] + ")";
  if (m.name.find(':') == std::string::npos) return line + m.name + ";\n";
  size_t arg = 3, start = 0;
  for (size_t colon; (colon = m.name.find(':', start)) != std::string::npos; start = colon + 1, ++arg) {
    std::string type = arg < types.size() ? types[arg] : "id";
    line += (start ? " " : "") + m.name.substr(start, colon + 1 - start) + "(" + type + ")arg" + std::to_string(arg - 2);
  }
  return line + ";\n";
}

std::string propertyLine(const ListedMember& p) {
  std::string type = "id", attributes;
  size_t start = 0;
  while (start <= p.types.size()) {
    size_t comma = p.types.find(',', start);
    std::string_view a = std::string_view(p.types).substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    start = comma == std::string::npos ? p.types.size() + 1 : comma + 1;
    if (a.empty()) continue;
    std::string word;
    switch (a[0]) {
      case 'T': {
        size_t at = 0;
        type = readType(a.substr(1), at);
        continue;
      }
      case 'R': word = "readonly"; break;
      case 'C': word = "copy"; break;
      case '&': word = "strong"; break;
      case 'W': word = "weak"; break;
      case 'N': word = "nonatomic"; break;
      case 'G': word = "getter=" + std::string(a.substr(1)); break;
      case 'S': word = "setter=" + std::string(a.substr(1)); break;
      default: continue;
    }
    attributes += (attributes.empty() ? "" : ", ") + word;
  }
  return "@property" + (attributes.empty() ? "" : " (" + attributes + ")") + " " + declaration(type, p.name) + ";\n";
}

}  // namespace

}  // namespace lv::sim

std::string lv::sim::typeFromEncoding(std::string_view encoding) {
  size_t at = 0;
  return readType(encoding, at);
}

std::string lv::sim::classesHeader(const std::vector<ListedClass>& classes) {
  std::string text;
  for (const ListedClass& c : classes) {
    if (!text.empty()) text += "\n";
    text += "@interface " + c.name + (c.superclass.empty() ? "" : " : " + c.superclass);
    if (!c.ivars.empty()) {
      text += " {\n";
      for (const ListedIvar& v : c.ivars)
        text += "    " + declaration(typeFromEncoding(v.types), v.name) + ";  // offset " + std::to_string(v.offset) + "\n";
      text += "}";
    }
    text += "\n";
    for (const ListedMember& p : c.properties) text += propertyLine(p);
    for (const ListedMember& m : c.classMethods) text += methodLine('+', m);
    for (const ListedMember& m : c.instanceMethods) text += methodLine('-', m);
    text += "@end\n";
  }
  return text;
}
