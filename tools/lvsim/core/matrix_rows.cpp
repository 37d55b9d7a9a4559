#include "tools/lvsim/core/matrix_rows.h"

#include <algorithm>

#include "host/profiles.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/settings_option.h"

namespace {

constexpr std::string_view kProfileAxis = "profile";
constexpr std::string_view kSettingAxis = "setting=";

// Each row of `rows` once per value of the axis, the axis's value appended.
std::vector<lv::sim::MatrixRow> across(const std::vector<lv::sim::MatrixRow>& rows, const std::string& axis) {
  std::vector<lv::sim::MatrixRow> out;
  for (const lv::sim::MatrixRow& row : rows) {
    auto add = [&](lv::sim::MatrixRow next, const std::string& part) {
      next.name += (next.name.empty() ? "" : ",") + part;
      out.push_back(std::move(next));
    };
    if (axis == kProfileAxis) {
      for (const lv::host::DeviceProfile& p : lv::host::kProfiles) {
        lv::sim::MatrixRow next = row;
        next.profile = p.name;
        add(next, next.profile);
      }
      continue;
    }
    for (const char* value : {"=false", "=true"}) {
      lv::sim::MatrixRow next = row;
      next.settings.push_back(axis.substr(kSettingAxis.size()) + value);
      add(next, next.settings.back());
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> lv::sim::matrixAxisError(const std::string& axis) {
  if (axis == kProfileAxis) return std::nullopt;
  if (!axis.starts_with(kSettingAxis)) return "expected profile or setting=KEY, got " + inQuotes(axis);
  return settingError(axis.substr(kSettingAxis.size()) + "=true");
}

std::vector<lv::sim::MatrixRow> lv::sim::matrixRows(const std::vector<std::string>& axes) {
  std::vector<std::string> ordered;
  if (std::ranges::find(axes, kProfileAxis) != axes.end()) ordered.emplace_back(kProfileAxis);
  for (const std::string& axis : axes)
    if (axis != kProfileAxis && std::ranges::find(ordered, axis) == ordered.end()) ordered.push_back(axis);
  std::vector<MatrixRow> rows = {MatrixRow{}};
  for (const std::string& axis : ordered) rows = across(rows, axis);
  return rows;
}
