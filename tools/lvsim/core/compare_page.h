#pragma once
// compare.html: the inspector page (inspector_page.h) for what `lvsim compare` found. It
// lists the differences as the command prints them, shows the pictures that differ beside
// their marked copies, and puts each snapshot of the expected report beside the actual one,
// with the views that differ outlined. One report is shown so ("report.json" when both sides
// have it); the differences of others are listed. Files are named by their paths from the
// page's folder, so the page holds no absolute path and works wherever the folders move
// together; the same comparison gives the same bytes.
#include <filesystem>
#include <string>

#include "tools/lvsim/core/output_comparison.h"

namespace lv::sim {

std::string comparePage(const OutputComparison& comparison, const std::string& summary,
                        const std::filesystem::path& pageFolder);

}  // namespace lv::sim
