// The JSON Schemas in docs/schema against the files lvsim reads and the reports it writes.
#include <gtest/gtest.h>

#include "lvsim_process.h"
#include "schema_check.h"

namespace {

using namespace testing_support;

TEST(Schemas, EveryScenarioAndLiveScriptOfTheProjectIsValid) {
  const std::pair<const char*, const char*> folders[] = {
      {"scenario", "scenarios"}, {"scenario", "fuzz/corpus/scenario"}, {"live-script", "fuzz/corpus/live_script"}};
  for (const auto& [schema, folder] : folders)
    for (const fs::directory_entry& entry : fs::directory_iterator(sourceFile(folder))) {
      if (entry.path().extension() == ".png") continue;
      EXPECT_EQ(schemaFaults(schema, Json::parse(readFile(entry.path()))), "") << entry.path();
    }
}

// Each document is what the reader refuses, or what lvsim never writes.
TEST(Schemas, RefuseWhatTheReadersRefuse) {
  Folder out;
  const Json report = runReport(sourceFile("scenarios/night-drive.json").string(), out.path);
  ASSERT_EQ(schemaFaults("report", report), "");
  struct Broken {
    const char* schema;
    Json document;
    const char* what;
  };
  auto changed = [&](const char* pointer, const Json& value) {
    Json document = report;
    document[Json::json_pointer(pointer)] = value;
    return document;
  };
  const Broken cases[] = {
      {"scenario", Json::parse(R"({"profle": "phone", "steps": []})"), "a misspelt key"},
      {"scenario", Json::parse(R"({"settings": {"Enabled": true}, "steps": []})"), "an unknown setting"},
      {"scenario", Json::parse(R"({"steps": [{"play": {"titel": "T", "duration": 1}}]})"), "a misspelt key of a step"},
      {"scenario", Json::parse(R"({"steps": [{"tap": "MRUArtworkView", "advance": 1}]})"), "two steps in one"},
      {"scenario", Json::parse(R"({"steps": [{"drag": {"on": "V", "from": [1, 2], "to": [3, 4]}}]})"), "points across a view"},
      {"scenario", Json::parse(R"({"$schema": 1, "steps": []})"), "a schema that is not a name"},
      {"live-script", Json::parse(R"({"event": []})"), "a misspelt key"},
      {"live-script", Json::parse(R"({"events": [{"at": 1, "click": [1, 2], "key": "r"}]})"), "two actions"},
      {"live-script", Json::parse(R"({"events": [{"at": 1, "wheel": {"over": "V", "notches": 0}}]})"), "no notches"},
      {"live-script", Json::parse(R"({"events": [{"at": 1, "click": {"view": "V", "fraction": [0, 0]}}]})"), "a misspelt target"},
      {"report", changed("/format", "lumivane-report/2"), "another format"},
      {"report", changed("/snapshots/0/tree/subviews/0/id", "1/0"), "an id not from the window"},
      {"report", changed("/snapshots/0/tree/subviews/0/colour", "red"), "a key no view has"},
      {"report", changed("/snapshots/0/globals/coverSheetView", {{"className", "CSCoverSheetView"}}), "a misspelt object"},
      {"report", changed("/snapshots/0/tree/frame/4", 1), "a frame of five numbers"},
  };
  for (const Broken& c : cases) EXPECT_NE(schemaFaults(c.schema, c.document), "") << c.what;
}

}  // namespace
