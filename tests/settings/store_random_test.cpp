// Random writes and reads against a plain map of what each key should read back.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <variant>

#include "settings/control_state_store.h"
#include "support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

// What a text reads back as: its line breaks are kept as markers, and markers
// that were in the text itself come back as line breaks too.
std::string ReplaceEach(std::string text, std::string_view from, std::string_view to) {
  std::string out;
  size_t pos = 0;
  for (size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    out += text.substr(pos, hit - pos);
    out += to;
  }
  return out + text.substr(pos);
}

std::string ExpectedText(const std::string& text) {
  return ReplaceEach(ReplaceEach(text, "\r\n", "┊*┊"), "┊*┊", "\r\n");
}

using StoredValue = std::variant<std::string, double, bool>;
using Model = std::map<std::pair<std::string, std::string>, StoredValue>;

class RandomStore {
 public:
  explicit RandomStore(unsigned seed) : random_(seed) {}

  // Letters, digits, blanks and Chinese: anything a section or key may hold.
  std::string Name(unsigned max_pieces) {
    static constexpr std::array<std::string_view, 9> kPieces{"a", "b", "Z", "0", "7", " ", "中", "文", "键"};
    return Pieces(kPieces, Below(max_pieces + 1));
  }

  // Anything but NUL, with the characters that mean something to the format.
  std::string Text() {
    static constexpr std::array<std::string_view, 16> kPieces{"a", "[", "]",   "=", "\r\n", "\r", "\n", "中",
                                                              "┊", "*", "┊*┊", " ", "x",    "€",  "\t", "[b]"};
    return Pieces(kPieces, Below(10));
  }

  double Number() {
    switch (Below(3)) {
      case 0:
        return static_cast<double>(static_cast<int>(Below(200001)) - 100000);
      case 1:
        return std::uniform_real_distribution<double>(-1e6, 1e6)(random_);
      default:
        return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random_), static_cast<int>(Below(200)) - 100);
    }
  }

  unsigned Below(unsigned bound) { return std::uniform_int_distribution<unsigned>(0, bound - 1)(random_); }

 private:
  template <size_t N>
  std::string Pieces(const std::array<std::string_view, N>& pieces, unsigned count) {
    std::string out;
    for (unsigned i = 0; i < count; ++i) out += pieces[Below(N)];
    return out;
  }

  std::mt19937 random_;
};

void ExpectReadsBack(ControlStateStore& store, const std::string& section, const std::string& key,
                     const StoredValue& value) {
  store.SetSection(section);
  if (const auto* text = std::get_if<std::string>(&value)) {
    EXPECT_EQ(store.ReadText(key, "<missing>"), ExpectedText(*text)) << "[" << section << "] " << key;
  } else if (const auto* number = std::get_if<double>(&value)) {
    EXPECT_EQ(store.ReadNumber(key, -0.125), *number) << "[" << section << "] " << key;
  } else {
    EXPECT_EQ(store.ReadLogical(key, !std::get<bool>(value)), std::get<bool>(value)) << "[" << section << "] " << key;
  }
}

void ExpectAllReadBack(ControlStateStore& store, const Model& model) {
  for (const auto& [name, value] : model) ExpectReadsBack(store, name.first, name.second, value);
}

TEST(ControlStateStoreRandom, WritesAndReadsMatchAMapModel) {
  test::TempDir folder;
  const auto path = folder / "random.ini";
  RandomStore random(20261209);
  Model model;
  ControlStateStore store;
  ASSERT_TRUE(store.Bind(path));

  int accepted = 0;
  constexpr int kRounds = 10500;
  for (int i = 1; i <= kRounds; ++i) {
    const std::string section = random.Name(1);
    const std::string key = random.Name(2);
    store.SetSection(section);
    StoredValue value;
    bool written = false;
    switch (random.Below(50) == 0 ? 5 : random.Below(5)) {
      case 0:
        value = random.Number();
        written = store.WriteNumber(key, std::get<double>(value));
        break;
      case 1:
        value = random.Below(2) == 1;
        written = store.WriteLogical(key, std::get<bool>(value));
        break;
      // GBK cannot hold these: stored escaped, read back exactly.
      case 5:
        value = random.Text() + "ö%41😀";
        written = store.WriteText(key, std::get<std::string>(value));
        break;
      default:
        value = random.Text();
        written = store.WriteText(key, std::get<std::string>(value));
        break;
    }
    ASSERT_TRUE(written) << i;
    ++accepted;
    model[{section, key}] = value;

    const std::string& content = store.RawContent();
    // The file catches up behind the writes: now and then it is checked once
    // they are done, after one change or after several written together.
    if (random.Below(4) == 0) {
      ASSERT_TRUE(store.Flush()) << i;
      ASSERT_EQ(ReadFileBytes(path), content) << i;
    }
    ASSERT_EQ(content.find("\r\n\r\n"), std::string::npos) << i;  // no blank lines
    ASSERT_FALSE(content.ends_with("\r\n")) << i;

    ExpectReadsBack(store, section, key, value);
    // Some other name, present or not.
    const std::string other_section = random.Name(1);
    const std::string other_key = random.Name(2);
    const auto found = model.find({other_section, other_key});
    if (found != model.end()) {
      ExpectReadsBack(store, other_section, other_key, found->second);
    } else {
      store.SetSection(other_section);
      EXPECT_EQ(store.ReadText(other_key, "<missing>"), "<missing>");
    }
    if (::testing::Test::HasFailure()) FAIL() << "after write " << i;

    if (i % 2500 == 0) {  // a new store on the same file reads everything back
      store.Release();
      ASSERT_TRUE(store.Bind(path));
      ExpectAllReadBack(store, model);
    }
  }
  EXPECT_GE(accepted, 10000);
  ControlStateStore fresh;
  store.Release();
  ASSERT_TRUE(fresh.Bind(path));
  ExpectAllReadBack(fresh, model);
}

}  // namespace
}  // namespace ec
