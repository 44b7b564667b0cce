// The search vectors the site's browser matcher is checked against hold for
// the name matcher of the folder search: both must give the same answers.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "search/name_matcher.h"

namespace ec {
namespace {

TEST(SiteMatchVectors, TheFolderSearchMatcherGivesTheSharedAnswers) {
  std::ifstream file(EC_SOURCE_DIR "/tests/site/match_vectors.json");
  ASSERT_TRUE(file) << "tests/site/match_vectors.json missing";
  const nlohmann::json vectors = nlohmann::json::parse(file).at("vectors");
  ASSERT_GE(vectors.size(), 10u);
  for (const nlohmann::json& v : vectors) {
    const std::string query = v.at("query");
    NameMatcher matcher(query);
    std::vector<std::string> matched;
    for (const std::string name : v.at("names"))
      if (matcher.MatchName(name)) matched.push_back(name);
    EXPECT_EQ(matched, v.at("matches").get<std::vector<std::string>>()) << "query " << query;
  }
}

}  // namespace
}  // namespace ec
