#include "declarations/declaration_link.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace ec {
namespace {

bool ParseIndex(std::string_view text, size_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

std::string DeclarationHref(const DeclarationLink& link) {
  return std::string(kDeclarationScheme) + std::string(KindName(link.kind)) + "/" + std::to_string(link.place.outer) +
         "/" + std::to_string(link.place.index);
}

std::optional<DeclarationLink> ParseDeclarationHref(std::string_view href) {
  if (!href.starts_with(kDeclarationScheme)) return std::nullopt;
  href.remove_prefix(kDeclarationScheme.size());
  const size_t slash1 = href.find('/');
  const size_t slash2 = slash1 == std::string_view::npos ? slash1 : href.find('/', slash1 + 1);
  if (slash2 == std::string_view::npos) return std::nullopt;
  DeclarationLink link;
  const std::string_view kind = href.substr(0, slash1);
  const auto* found = std::find_if(std::begin(kDeclarationKinds), std::end(kDeclarationKinds),
                                   [&](DeclarationKind k) { return KindName(k) == kind; });
  if (found == std::end(kDeclarationKinds)) return std::nullopt;
  link.kind = *found;
  if (!ParseIndex(href.substr(slash1 + 1, slash2 - slash1 - 1), link.place.outer) ||
      !ParseIndex(href.substr(slash2 + 1), link.place.index))
    return std::nullopt;
  return link;
}

}  // namespace ec
