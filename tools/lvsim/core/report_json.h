#pragma once
// The JSON of what the host saw, as lvsim's reports hold it. Geometry and times are
// rounded to a millionth so that reports compare stably; the globals' numbers stand as
// they are.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/globals_snapshot.h"
#include "host/hook_calls.h"
#include "host/lock_screen_snapshot.h"

namespace lv::sim {

// The name and revision of report.json's format, its "format".
inline constexpr std::string_view kReportFormat = "lumivane-report/1";

// What a report says before its snapshots, as written and as read back (report_reading.h).
struct ReportHeader {
  std::string version;   // lvsim's
  std::string scenario;  // its name
  std::string profile, system;
  std::map<std::string, bool> settings;  // stored at boot
  std::vector<std::string> without;      // host classes left out
  std::string library;                   // "built", "none" or the library's file
};

// {"format", "version", "scenario", "profile", "system", "settings", "without", "library"}.
nlohmann::ordered_json headerJson(const ReportHeader& header);

// {"name", "time", "globals", "events", "tree"}.
nlohmann::ordered_json snapshotJson(const lv::host::LockScreenSnapshot& snapshot);
nlohmann::ordered_json globalsJson(const std::vector<lv::host::GlobalSnapshot>& globals);

// [{"function", "method", "outcome", "installed"}], in call order: report.json's "hooks",
// `lvsim hooks --json`'s "calls".
nlohmann::ordered_json hookCallsJson(const std::vector<lv::host::HookCall>& calls);

}  // namespace lv::sim
