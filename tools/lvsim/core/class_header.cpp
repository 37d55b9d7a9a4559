#include "tools/lvsim/core/class_header.h"

#include <map>
#include <optional>

#include "runtime/signature.h"

namespace lv::sim {

namespace {

const std::map<char, const char*> kScalars = {
    {'c', "char"},          {'i', "int"},           {'s', "short"},           {'l', "long"},
    {'q', "long long"},     {'C', "unsigned char"}, {'I', "unsigned int"},    {'S', "unsigned short"},
    {'L', "unsigned long"}, {'Q', "unsigned long long"}, {'f', "float"},      {'d', "double"},
    {'D', "long double"},   {'B', "BOOL"},          {'v', "void"},            {'*', "char *"},
    {'#', "Class"},         {':', "SEL"},           {'?', "void"}};

std::string pointerTo(const std::string& type) { return type.ends_with('*') ? type + "*" : type + " *"; }

std::string cType(std::string_view type);

// The C type of the first whole type of `encoding`; "void" when none is there.
std::string firstType(std::string_view encoding) {
  std::optional<rt::EncodedType> read = rt::readType(encoding);
  return read ? cType(read->type) : "void";
}

// The C type of one whole type as rt::readType reads it: "@\"UILabel\"", "^{CGRect=…}".
std::string cType(std::string_view type) {
  char c = type[0];
  std::string_view inner = type.substr(1);
  switch (c) {
    case '@':
      if (inner.starts_with('?')) return "id /* block */";
      if (inner.starts_with('"')) return pointerTo(std::string(inner.substr(1, inner.size() - 2)));
      return "id";
    case '^': return pointerTo(firstType(inner));
    case '[': {
      size_t digits = inner.find_first_not_of("0123456789");
      return pointerTo(firstType(inner.substr(digits, inner.size() - digits - 1)));
    }
    case '{':
    case '(':
      return std::string(c == '{' ? "struct " : "union ") + std::string(inner.substr(0, inner.find_first_of("=}) ")));
    case 'b': return "unsigned int";
  }
  auto scalar = kScalars.find(c);
  return scalar != kScalars.end() ? scalar->second : "void /* " + std::string(1, c) + " */";
}

// "UILabel *" and "_timeLabel" as "UILabel *_timeLabel".
std::string declaration(const std::string& type, const std::string& name) {
  return type + (type.ends_with('*') ? "" : " ") + name;
}

std::string methodLine(char kind, const ListedMember& m) {
  std::vector<std::string> types;
  std::string_view rest = m.types;
  while (std::optional<rt::EncodedType> read = rt::readType(rest)) {
    types.push_back(cType(read->type));
    rest = read->rest;
  }
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
      case 'T': type = firstType(a.substr(1)); continue;
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


std::string lv::sim::classesHeader(const std::vector<ListedClass>& classes) {
  std::string text;
  for (const ListedClass& c : classes) {
    if (!text.empty()) text += "\n";
    text += "@interface " + c.name + (c.superclass.empty() ? "" : " : " + c.superclass);
    if (!c.ivars.empty()) {
      text += " {\n";
      for (const ListedIvar& v : c.ivars)
        text += "    " + declaration(firstType(v.types), v.name) + ";  // offset " + std::to_string(v.offset) + "\n";
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
