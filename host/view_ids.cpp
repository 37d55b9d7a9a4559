#include "host/view_ids.h"

#include "uikit/view.h"

lv::host::ViewIds::ViewIds(id window) {
  if (window) add(window, "0");
}

void lv::host::ViewIds::add(id view, const std::string& path) {
  ids_.emplace(view, path);
  const std::vector<Ref<UIView>>& subviews = static_cast<const UIView*>(view)->subviews;
  for (size_t i = 0; i < subviews.size(); ++i) add(subviews[i].get(), path + "/" + std::to_string(i));
}

std::string lv::host::ViewIds::of(id view) const {
  auto found = ids_.find(view);
  return found == ids_.end() ? std::string() : found->second;
}

std::optional<lv::host::ObjectSnapshot> lv::host::ViewIds::describe(id obj) const {
  if (!obj) return std::nullopt;
  ObjectSnapshot snapshot{class_getName(object_getClass(obj)), std::nullopt};
  if (auto found = ids_.find(obj); found != ids_.end()) snapshot.viewId = found->second;
  return snapshot;
}
