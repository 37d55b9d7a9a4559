// The JSON Schemas in docs/schema against the files lvsim reads and the reports it writes.
#include <gtest/gtest.h>

#include <regex>

#include "host/host_classes.h"
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
  const Json report = runReport({sourceFile("scenarios/night-drive.json").string()}, out.path);
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
      {"report", changed("/hooks/0/method", "layoutSubviews"), "a hook's method without its class"},
  };
  for (const Broken& c : cases) EXPECT_NE(schemaFaults(c.schema, c.document), "") << c.what;
}

// Whether lvsim takes the document: a scenario runs to its end; a live script is read, and
// without a display `live` then stops, saying so.
bool lvsimAccepts(const std::string& schema, const fs::path& file, const Folder& out) {
  if (schema == "scenario") return lvsim({"run", file.string(), "--out", out.path.string()}).exitCode == 0;
  ProcessRun live = lvsim({"live", "--exit-after", "1", "--out", out.path.string(), "--script", file.string()}, kNoDisplay);
  return live.output.find("no display to open a window on") != std::string::npos;
}

// The reference's examples, by the schema each follows.
std::vector<std::pair<std::string, std::string>> referenceExamples() {
  std::vector<std::pair<std::string, std::string>> examples;
  const std::string reference = readFile(sourceFile("docs/lvsim.md"));
  const std::regex block("```json\n([^`]*)```");
  for (auto m = std::sregex_iterator(reference.begin(), reference.end(), block); m != std::sregex_iterator(); ++m)
    examples.emplace_back(m->str(1).find("\"events\"") != std::string::npos ? "live-script" : "scenario", m->str(1));
  return examples;
}

TEST(Schemas, AgreeWithLvsimOnWhatItTakes) {
  struct Case {
    std::string schema;
    std::string document;
    bool valid;
  };
  const std::string drag = R"({"steps": [{"drag": {"from": [100, 500], "to": [100, 400], "steps": )";
  const std::string play = R"({"steps": [{"play": {"title": "T", "duration": 60, "artwork": )";
  const std::string wheel = R"({"events": [{"at": 1, "wheel": {"over": [10, 20], "notches": )";
  std::vector<Case> cases = {
      {"scenario", drag + "10}}]}", true},
      {"scenario", drag + "10.0}}]}", false},
      {"scenario", drag + "0}}]}", false},
      {"scenario", R"({"steps": [{"drag": {"on": "", "from": 0.2, "to": 0.7}}]})", false},
      {"scenario", play + R"("generated"}}]})", true},
      {"scenario", play + R"(""}}]})", false},
      {"scenario", play + R"("generated"}}, {"tap": "MRUArtworkView"}]})", true},
      {"scenario", play + R"("generated"}}, {"tap": ""}]})", false},
      {"scenario", R"({"steps": [{"snapshot": ""}]})", false},
      {"scenario", R"({"library": "", "steps": []})", false},
      {"scenario", R"({"settingsFile": "", "steps": []})", false},
      {"scenario", R"({"system": "15.", "steps": []})", false},
      {"scenario", R"({"without": ["MRUArtworkView"], "steps": []})", true},
      {"scenario", R"({"without": ["MRUArtwork"], "steps": []})", false},
      {"scenario", R"({"steps": [{"advance": 3600.5}]})", false},
      {"live-script", R"({"events": [{"at": 1, "move": [10, 20]}, {"at": 2, "move": "MRUArtworkView"}]})", true},
      {"live-script", R"({"events": [{"at": 1, "key": "i"}, {"at": 2, "key": "v"}]})", true},
      {"live-script", R"({"events": [{"at": 1, "key": "x"}]})", false},
      {"live-script", wheel + "2}}]}", true},
      {"live-script", wheel + "2.0}}]}", false},
      {"live-script", wheel + "101}}]}", false},
      {"live-script", R"({"events": [{"at": 1, "save": "a/b.png"}]})", false},
      {"live-script", R"({"events": [{"at": -1, "click": [10, 20]}]})", false},
  };
  std::vector<std::pair<std::string, std::string>> examples = referenceExamples();
  ASSERT_FALSE(examples.empty()) << "docs/lvsim.md shows a scenario and a live script";
  for (auto& [schema, document] : examples) cases.push_back({schema, document, true});
  for (const fs::directory_entry& entry : fs::directory_iterator(sourceFile("scenarios")))
    if (entry.path().extension() == ".json") cases.push_back({"scenario", entry.path().string(), true});

  Folder dir;
  int written = 0;
  for (const Case& c : cases) {
    const bool isFile = c.document.front() != '{';
    const fs::path file = isFile ? fs::path(c.document) : dir.write(std::to_string(written++) + ".json", c.document);
    const bool schemaValid = schemaFaults(c.schema, Json::parse(readFile(file))).empty();
    Folder out;
    EXPECT_EQ(schemaValid, c.valid) << "schema: " << c.document;
    EXPECT_EQ(lvsimAccepts(c.schema, file, out), c.valid) << "lvsim: " << c.document;
  }
}

TEST(Schemas, NameTheHostClassesADeviceCanLack) {
  const Json schema = Json::parse(readFile(sourceFile("docs/schema/scenario.schema.json")));
  std::vector<std::string> named;
  for (const lv::host::HostClass& c : lv::host::hostClasses()) named.emplace_back(c.name);
  EXPECT_EQ(schema["definitions"]["hostClass"]["enum"].get<std::vector<std::string>>(), named);
}

}  // namespace
