#pragma once
// The link of a declaration inside the viewer's pages:
// "ecview-declaration:KIND/OUTER/INDEX", with the kind's JSON name and the
// 0-based place. Pages of every kind (comparison, uses, type links) use it,
// and the viewer selects the declaration's node when one is clicked.

#include <optional>
#include <string>
#include <string_view>

#include "declarations/declaration_kind.h"

namespace ec {

inline constexpr std::string_view kDeclarationScheme = "ecview-declaration:";

struct DeclarationLink {
  DeclarationKind kind = DeclarationKind::Subroutine;
  DeclarationPlace place;
  bool operator==(const DeclarationLink&) const = default;
};

std::string DeclarationHref(const DeclarationLink& link);
std::optional<DeclarationLink> ParseDeclarationHref(std::string_view href);

}  // namespace ec
