#include "support/json_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

namespace ec {
namespace {

template <typename Write>
std::string Written(Write write) {
  std::ostringstream out;
  {
    JsonWriter w(out);
    write(w);
  }
  return out.str();
}

TEST(JsonWriter, NestingAndCommas) {
  const std::string text = Written([](JsonWriter& w) {
    w.BeginObject().Key("a").BeginArray().Int(1).Int(-2).BeginObject().EndObject().BeginArray().EndArray();
    w.EndArray().Key("b").Bool(false).Key("c").BeginObject().Key("d").String("").EndObject().EndObject();
  });
  EXPECT_EQ(text, R"({"a":[1,-2,{},[]],"b":false,"c":{"d":""}})");
}

TEST(JsonWriter, EscapesAndRepairsTexts) {
  // A cut-off character, a byte that starts nothing, and a real U+FFFD.
  const std::string raw = std::string("q\"b\\\b\f\n\r\t\x01\x1f\x7f 易") + "\xE6\x98" + "x\xFF" + "\xEF\xBF\xBD";
  const std::string text = Written([&](JsonWriter& w) { w.String(raw); });
  EXPECT_EQ(text, "\"q\\\"b\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\x7f 易\xEF\xBF\xBD\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD\"");
  // What comes out is valid JSON whatever went in.
  EXPECT_NO_THROW(EXPECT_EQ(nlohmann::json::parse(text).get<std::string>().substr(0, 4), "q\"b\\"));
}

TEST(JsonWriter, NumbersRoundTripAndNonFiniteIsNull) {
  const std::string text = Written([](JsonWriter& w) {
    w.BeginArray().Double(4).Double(0.1).Double(-1.5e300).Double(std::numeric_limits<double>::quiet_NaN());
    w.Double(-std::numeric_limits<double>::infinity()).Int(std::numeric_limits<int64_t>::min()).EndArray();
  });
  EXPECT_EQ(text, "[4.0,0.1,-1.5e+300,null,null,-9223372036854775808]");
}

TEST(JsonWriter, LargeOutputIsFlushedWhole) {
  const std::string big(100000, 'x');
  const std::string text = Written([&](JsonWriter& w) {
    w.BeginArray();
    for (int i = 0; i < 5; ++i) w.String(big);
    w.EndArray();
  });
  EXPECT_EQ(text.size(), 5 * (big.size() + 2) + 4 + 2);
}

}  // namespace
}  // namespace ec
