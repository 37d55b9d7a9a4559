#pragma once
// Checks a document against one of the JSON Schemas in docs/schema, with valijson.
#include <valijson/adapters/nlohmann_json_adapter.hpp>
#include <valijson/schema.hpp>
#include <valijson/schema_parser.hpp>
#include <valijson/validator.hpp>

#include <string>

#include "lvsim_process.h"

namespace testing_support {

// What is wrong with `document` against docs/schema/NAME.schema.json, a line per fault;
// empty when it is valid.
inline std::string schemaFaults(const std::string& name, const Json& document) {
  const Json schemaDocument = Json::parse(readFile(sourceFile(("docs/schema/" + name + ".schema.json").c_str())));
  valijson::Schema schema;
  valijson::SchemaParser(valijson::SchemaParser::kDraft7)
      .populateSchema(valijson::adapters::NlohmannJsonAdapter(schemaDocument), schema);
  valijson::ValidationResults results;
  if (valijson::Validator().validate(schema, valijson::adapters::NlohmannJsonAdapter(document), &results)) return "";
  std::string faults;
  for (const valijson::ValidationResults::Error& error : results) {
    for (const std::string& step : error.context) faults += step;
    faults += ": " + error.description + "\n";
  }
  return faults;
}

}  // namespace testing_support
