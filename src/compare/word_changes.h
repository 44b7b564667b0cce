#pragma once
// The words that differ between two versions of a remark, so that a report
// can mark them inside the pair instead of leaving the reader to compare the
// two texts. A word is a run of ASCII letters and digits; every other
// character (a Chinese character, a space, a punctuation mark) is a word of
// its own, since Chinese text has no spaces to split it by.

#include <string>
#include <string_view>
#include <vector>

namespace ec {

struct WordPiece {
  enum class Change { Same, Removed, Added };
  Change change = Change::Same;
  std::string text;  // neighbouring words of one change joined
  bool operator==(const WordPiece&) const = default;
};

// The old text's words in order, each Same or Removed, with the new text's
// Added words where they come: the Same and Removed pieces joined give `before`,
// the Same and Added ones `after`. The common words are found by a longest
// common subsequence; beyond `maxCells` of its table (word counts multiplied)
// the differing middle, between the common beginning and end, is marked
// whole instead, so a pair of huge remarks cannot take the time and memory.
std::vector<WordPiece> WordChanges(std::string_view before, std::string_view after, size_t maxCells = 4'000'000);

// The words of `text` as WordChanges splits it; bytes of broken UTF-8 are
// words of their own.
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace ec
