#pragma once
// Templates with #name# placeholders. A template is split at its placeholders
// once; filling it then only appends the literal pieces and the values, and a
// value is never searched for placeholders itself (a name that happens to read
// "#公开#" stays as it is).

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ec {

struct Placeholder {
  std::string name;       // e.g. "#类名#"
  bool ignoreCase = true;  // ASCII letters only; UTF-8 never matches inside a character
};

class PlaceholderTemplate {
 public:
  // The placeholders are taken in order; each one replaces every occurrence
  // (left to right, no overlaps) in what the earlier ones left of the template.
  PlaceholderTemplate(std::string_view text, const std::vector<Placeholder>& placeholders);

  // Appends the template with values[i] in place of placeholder i; missing
  // values are empty, extra ones are ignored. With `escapeValues` the values
  // are HTML-escaped.
  void AppendTo(std::string& out, std::span<const std::string_view> values, bool escapeValues) const;

  // The length of the template without its placeholders.
  size_t LiteralSize() const { return literalSize_; }

 private:
  struct Piece {
    std::string literal;
    int slot = -1;  // index of the placeholder, or -1 for literal text
  };
  std::vector<Piece> pieces_;
  size_t literalSize_ = 0;
};

// Splits a "|"-separated list of placeholders ("#类名#|#基类#|#公开#"), all
// matched ignoring letter case.
std::vector<Placeholder> PlaceholderList(std::string_view joined);

// `text` with each placeholder of the "|"-separated list replaced by the value
// at the same position; values are inserted as they are.
std::string FillPlaceholders(std::string_view text, std::string_view placeholders,
                             std::span<const std::string_view> values);

}  // namespace ec
