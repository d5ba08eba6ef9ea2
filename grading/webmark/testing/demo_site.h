// The demo's web-page task (module 6, paper 601): the small site that the paper archive carries
// under "Fropkt", the answer workbook of its rules, and the site with some or all of the eight
// steps done, which the demo's tests grade. The question text is demo/paper/web1.txt.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

#include "platform/base/result.h"

namespace demo {

// "web1.xlsx", the answer workbook in Data\Answer.
inline constexpr const char* kSiteAnswer = "web1.xlsx";
inline constexpr int kSiteFullMarks = 100;

// The steps of the question, one bit each, in its order.
enum SiteStep : unsigned {
  kSiteTitle = 1u << 0,     // index.htm titled "我的学校"
  kSiteColour = 1u << 1,    // its background colour #FFFFCC
  kSiteKeywords = 1u << 2,  // a keywords meta "学校,新闻"
  kSiteHeading = 1u << 3,   // the heading "欢迎访问我的学校" in 黑体, red
  kSiteLogo = 1u << 4,      // the picture logo.gif 120 x 80
  kSiteTable = 1u << 5,     // the table "score" with border 1 and cell padding 4
  kSiteMarquee = 1u << 6,   // "欢迎新同学" a marquee going back and forth at 5
  kSiteNews = 1u << 7,      // news.htm titled "学校新闻"
  kAllSiteSteps = (1u << 8) - 1,
};

// One step's rule: the keyword its rule uses and the points it gives.
struct SiteStepRule {
  SiteStep step;
  std::string_view keyword;
  int points;
};
std::span<const SiteStepRule> SiteStepRules();

// The site as the paper archive carries it: no step done (index.htm, news.htm, images/logo.gif).
base::Status WriteStartingSite(const std::filesystem::path& folder);
// The site with the steps `done` (bits of SiteStep) done as the web editor saves them.
base::Status WriteSolvedSite(const std::filesystem::path& folder, unsigned done = kAllSiteSteps);
// Every step tried, three of them wrong: the background white, the heading in 宋体, the table's
// border 2. The steps it gets right are kPartlyRightSteps.
base::Status WritePartlyWrongSite(const std::filesystem::path& folder);
inline constexpr unsigned kPartlyRightSteps =
    kAllSiteSteps & ~(kSiteColour | kSiteHeading | kSiteTable);
// The answer workbook: the main page, a rule per step, the switch to news.htm, "E".
base::Status WriteSiteAnswer(const std::filesystem::path& file);

}  // namespace demo
