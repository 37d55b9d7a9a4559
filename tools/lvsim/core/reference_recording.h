#pragma once
// `lvsim run --record DIR`: the run writes into a hidden folder beside DIR, which then takes
// DIR's place in one step, so DIR holds the earlier references or the new ones, never a
// mix, and no picture of the earlier ones stays behind. Only a folder of references is
// replaced: one that holds anything but what a run writes there (report.json, report.html
// and pictures), or one of the run's inputs, is refused. A link at DIR is replaced, never
// followed. The hidden folder, .DIR.record-PID-XXXXXX, goes if a signal ends the run; one
// that a run killed outright left goes when DIR is next recorded into. Asked to keep the
// passing references, it puts back into the new folder, before it takes DIR's place, each
// earlier reference that the new one is alike to within the tolerances, so that only those
// that would fail are rewritten and the others stay byte for byte.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "foundation/exit_cleanup.h"
#include "foundation/result.h"
#include "tools/lvsim/core/output_comparison.h"

namespace lv::sim {

class ReferenceRecording {
 public:
  // Makes the hidden folder; the reason DIR cannot be recorded into, when it cannot.
  static fnd::Result<std::unique_ptr<ReferenceRecording>, std::string> begin(
      const std::filesystem::path& dir, const std::vector<std::filesystem::path>& inputs);
  // Removes the hidden folder, with the earlier references once it took their place.
  ~ReferenceRecording();
  ReferenceRecording(const ReferenceRecording&) = delete;
  ReferenceRecording& operator=(const ReferenceRecording&) = delete;

  // Where the run writes.
  const std::filesystem::path& folder() const { return folder_; }
  // Puts back the earlier references that the recorded ones are alike to; the names of
  // those recorded anew (that would fail, or are new). Earlier references that cannot be
  // compared are all rewritten.
  std::vector<std::string> keepPassing(const CompareTolerance& tolerance);
  // Puts the folder in DIR's place; the reason when that fails.
  fnd::Result<void, std::string> commit();

 private:
  ReferenceRecording(std::filesystem::path dir, std::filesystem::path folder);
  std::filesystem::path dir_, folder_;
  fnd::TemporaryPath held_;
};

}  // namespace lv::sim
