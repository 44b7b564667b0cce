#include "render/placeholder_template.h"

#include "render/html_escape.h"
#include "support/plain_text.h"

namespace ec {
namespace {

bool MatchesAt(std::string_view text, size_t at, const Placeholder& p) {
  if (text.size() - at < p.name.size()) return false;
  if (!p.ignoreCase) return text.compare(at, p.name.size(), p.name) == 0;
  for (size_t i = 0; i < p.name.size(); ++i)
    if (LowerAscii(text[at + i]) != LowerAscii(p.name[i])) return false;
  return true;
}

}  // namespace

PlaceholderTemplate::PlaceholderTemplate(std::string_view text, const std::vector<Placeholder>& placeholders) {
  pieces_.push_back({std::string(text), -1});
  for (size_t slot = 0; slot < placeholders.size(); ++slot) {
    const Placeholder& p = placeholders[slot];
    if (p.name.empty()) continue;
    std::vector<Piece> split;
    for (Piece& piece : pieces_) {
      if (piece.slot >= 0) {
        split.push_back(std::move(piece));
        continue;
      }
      const std::string_view literal = piece.literal;
      size_t start = 0;
      for (size_t at = 0; at < literal.size();) {
        if (!MatchesAt(literal, at, p)) {
          ++at;
          continue;
        }
        split.push_back({std::string(literal.substr(start, at - start)), -1});
        split.push_back({{}, static_cast<int>(slot)});
        at += p.name.size();
        start = at;
      }
      split.push_back({std::string(literal.substr(start)), -1});
    }
    pieces_ = std::move(split);
  }
  std::erase_if(pieces_, [](const Piece& piece) { return piece.slot < 0 && piece.literal.empty(); });
  for (const Piece& piece : pieces_) literalSize_ += piece.literal.size();
}

void PlaceholderTemplate::AppendTo(std::string& out, std::span<const std::string_view> values,
                                   bool escapeValues) const {
  for (const Piece& piece : pieces_) {
    if (piece.slot < 0) {
      out.append(piece.literal);
      continue;
    }
    if (static_cast<size_t>(piece.slot) >= values.size()) continue;
    const std::string_view value = values[static_cast<size_t>(piece.slot)];
    if (escapeValues)
      AppendHtmlEscaped(out, value);
    else
      out.append(value);
  }
}

std::vector<Placeholder> PlaceholderList(std::string_view joined) {
  std::vector<Placeholder> list;
  while (true) {
    const size_t bar = joined.find('|');
    list.push_back({std::string(joined.substr(0, bar)), true});
    if (bar == std::string_view::npos) break;
    joined.remove_prefix(bar + 1);
  }
  return list;
}

std::string FillPlaceholders(std::string_view text, std::string_view placeholders,
                             std::span<const std::string_view> values) {
  const PlaceholderTemplate compiled(text, PlaceholderList(placeholders));
  std::string out;
  out.reserve(compiled.LiteralSize());
  compiled.AppendTo(out, values, false);
  return out;
}

}  // namespace ec
