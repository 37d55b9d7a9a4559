#pragma once
// What the runtime knows of each registered class, as a tweak's author looks it up: its
// superclass, ivars (name, encoding, offset), declared properties (attribute strings as
// property_getAttributes gives them), and class and instance methods with their type
// encodings, each list in a fixed order (ivars and properties as declared, methods by name).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace lv::sim {

struct ListedIvar {
  std::string name, types;
  std::ptrdiff_t offset;
};

struct ListedMember {
  std::string name, types;  // a property's types are its attribute string
};

struct ListedClass {
  std::string name, superclass;  // superclass empty for a root class
  std::vector<ListedIvar> ivars;
  std::vector<ListedMember> properties, classMethods, instanceMethods;
};

// Whether `name` matches `pattern`: a glob when it holds *, ? or [, a substring otherwise.
bool classNameMatches(std::string_view pattern, const std::string& name);

// The registered classes whose names match `pattern` (every class when empty), by name.
std::vector<ListedClass> listClasses(std::string_view pattern);

// {"classes": [{"name", "superclass", "ivars", "properties", "classMethods", "instanceMethods"}]}.
nlohmann::ordered_json classesJson(const std::vector<ListedClass>& classes);

// A block a class: "Name : Super", then its members one a line.
std::string classesText(const std::vector<ListedClass>& classes);

}  // namespace lv::sim
