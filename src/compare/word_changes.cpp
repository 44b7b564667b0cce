#include "compare/word_changes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ec {
namespace {

bool IsWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The length of the UTF-8 character at the start of `rest`; 1 for a byte
// that starts no whole character.
size_t CharacterLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
  if (length > rest.size()) return 1;
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
  return length;
}

using Words = std::vector<std::string_view>;

void Append(std::vector<WordPiece>& pieces, WordPiece::Change change, std::string_view word) {
  if (!pieces.empty() && pieces.back().change == change) {
    pieces.back().text.append(word);
  } else {
    pieces.push_back({change, std::string(word)});
  }
}

// Marks a[i..] against b[j..] by the table of common suffix lengths.
void Walk(const Words& a, const Words& b, const std::vector<uint32_t>& lengths, std::vector<WordPiece>& pieces) {
  const size_t width = b.size() + 1;
  const auto at = [&](size_t i, size_t j) { return lengths[i * width + j]; };
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i] == b[j]) {
      Append(pieces, WordPiece::Change::Same, a[i++]);
      ++j;
    } else if (at(i + 1, j) >= at(i, j + 1)) {
      Append(pieces, WordPiece::Change::Removed, a[i++]);
    } else {
      Append(pieces, WordPiece::Change::Added, b[j++]);
    }
  }
  for (; i < a.size(); ++i) Append(pieces, WordPiece::Change::Removed, a[i]);
  for (; j < b.size(); ++j) Append(pieces, WordPiece::Change::Added, b[j]);
}

void MarkMiddle(const Words& a, const Words& b, size_t maxCells, std::vector<WordPiece>& pieces) {
  if ((a.size() + 1) * (b.size() + 1) > maxCells) {
    for (const std::string_view w : a) Append(pieces, WordPiece::Change::Removed, w);
    for (const std::string_view w : b) Append(pieces, WordPiece::Change::Added, w);
    return;
  }
  const size_t width = b.size() + 1;
  std::vector<uint32_t> lengths((a.size() + 1) * width, 0);
  for (size_t i = a.size(); i-- > 0;)
    for (size_t j = b.size(); j-- > 0;)
      lengths[i * width + j] = a[i] == b[j] ? lengths[(i + 1) * width + j + 1] + 1
                                            : std::max(lengths[(i + 1) * width + j], lengths[i * width + j + 1]);
  Walk(a, b, lengths, pieces);
}

}  // namespace

std::vector<std::string_view> SplitWords(std::string_view text) {
  Words words;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = at + 1;
    if (text.substr(at).starts_with("\r\n")) {
      end = at + 2;  // one line break, never split between a removal and an addition
    } else if (IsWordByte(static_cast<unsigned char>(text[at]))) {
      while (end < text.size() && IsWordByte(static_cast<unsigned char>(text[end]))) ++end;
    } else {
      end = at + CharacterLength(text.substr(at));
    }
    words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

std::vector<WordPiece> WordChanges(std::string_view before, std::string_view after, size_t maxCells) {
  const Words a = SplitWords(before);
  const Words b = SplitWords(after);
  size_t head = 0;
  while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
  size_t tail = 0;
  while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
  std::vector<WordPiece> pieces;
  for (size_t i = 0; i < head; ++i) Append(pieces, WordPiece::Change::Same, a[i]);
  MarkMiddle(Words(a.begin() + static_cast<std::ptrdiff_t>(head), a.end() - static_cast<std::ptrdiff_t>(tail)),
             Words(b.begin() + static_cast<std::ptrdiff_t>(head), b.end() - static_cast<std::ptrdiff_t>(tail)),
             maxCells, pieces);
  for (size_t i = a.size() - tail; i < a.size(); ++i) Append(pieces, WordPiece::Change::Same, a[i]);
  return pieces;
}

}  // namespace ec
