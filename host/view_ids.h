#pragma once
// Which view of a window an object is: each view's id is its index path from the window
// ("0" the window, "0/3/1" the second subview of its fourth subview). Holds the views
// unretained, so it serves only while the tree stays as it was when made.
#include <optional>
#include <string>
#include <unordered_map>

#include "runtime/runtime.h"

namespace lv::host {

// What an object-typed value holds: its class, and its id when it is a view of the tree.
struct ObjectSnapshot {
  std::string className;
  std::optional<std::string> viewId;
  bool operator==(const ObjectSnapshot&) const = default;
};

class ViewIds {
 public:
  ViewIds() = default;  // no tree: no object is one of its views
  explicit ViewIds(id window);

  // The id of a view of the tree; empty for anything else.
  std::string of(id view) const;
  // nullopt for nil.
  std::optional<ObjectSnapshot> describe(id obj) const;

 private:
  void add(id view, const std::string& path);

  std::unordered_map<id, std::string> ids_;
};

}  // namespace lv::host
