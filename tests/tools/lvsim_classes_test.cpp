// `lvsim classes`: what a tweak's author looks up instead of the host's source.
#include <gtest/gtest.h>

#include "lvsim_process.h"

namespace {

using namespace testing_support;

// The class lines of the text listing, in order.
std::vector<std::string> classLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
    if (end > at && text[at] != ' ') lines.push_back(text.substr(at, end - at));
  return lines;
}

TEST(LvsimClasses, ListsMembersWithTheirEncodingsAsTextJsonAndHeader) {
  const Json cover = Json::parse(lvsim({"classes", "CSCoverSheetView", "--json"}).output)["classes"];
  ASSERT_EQ(cover.size(), 1u);
  EXPECT_EQ(Json({cover[0]["superclass"], cover[0]["ivars"][1]["name"], cover[0]["ivars"][1]["types"],
                  cover[0]["properties"][1]}),
            Json::parse(R"(["UIView", "_timeLabel", "@\"UILabel\"",
                            {"name": "timeLabel", "attributes": "T@\"UILabel\",R,N,V_timeLabel"}])"));
  EXPECT_NE(cover[0]["instanceMethods"].dump().find(R"({"name":"initWithFrame:","types":"@48@0:8{CGRect={CGPoint=dd}{CGSize=dd}}16"})"),
            std::string::npos) << cover.dump();

  const std::pair<Args, std::vector<std::string>> shown[] = {
      {{"CSCoverSheetView", "--header"},
       {"@interface CSCoverSheetView : UIView {\n    UILabel *_dateLabel;", "@property (readonly, nonatomic) UILabel *timeLabel;\n",
        "- (id)initWithFrame:(struct CGRect)arg1;\n- (void)layoutSubviews;\n", "- (id)timeLabel;\n@end\n"}},
      {{"MRUNowPlayingHeader"}, {"MRUNowPlayingHeaderView : UIView\n  ivar _artworkView  @\"MRUArtworkView\"  offset "}},
  };
  for (const auto& [args, parts] : shown) {
    ProcessRun run = lvsim(Args{"classes"} + args);
    for (const std::string& part : parts) EXPECT_NE(run.output.find(part), std::string::npos) << part << "\n" << run.output;
  }

  EXPECT_EQ(classLines(lvsim({"classes", "MRUNowPlaying*View"}).output),
            (std::vector<std::string>{"MRUNowPlayingControlsView : UIView", "MRUNowPlayingHeaderView : UIView",
                                      "MRUNowPlayingLabelView : UIView", "MRUNowPlayingTimeControlsView : UIControl",
                                      "MRUNowPlayingTransportControlsView : UIView", "MRUNowPlayingView : UIView"}));
  ProcessRun none = lvsim({"classes", "NoSuch*"}, true);
  EXPECT_EQ(Json({none.exitCode, none.output}), Json({1, "lvsim: classes: no class matches \"NoSuch*\"\n"}));
}

}  // namespace
