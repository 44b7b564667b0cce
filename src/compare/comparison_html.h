#pragma once
// A comparison as one self-contained HTML document: the two modules, the
// changed information and libraries in tables, then kind by kind the added
// and removed declarations as coloured code and the changed ones with the old
// and new code side by side. No script, no style sheet, nothing to load; the
// viewer's page view shows it as it is.

#include <optional>
#include <string>
#include <string_view>

#include "compare/comparison_report.h"

namespace ec {

// Which model the declaration names link into: the viewer links them to the
// nodes of the module it shows; a document on its own has no links.
enum class LinkSide { None, Old, New };

std::string ComparisonHtml(const ComparedModules& modules, LinkSide links = LinkSide::None);

// The link of a declaration: "ecview-declaration:KIND/OUTER/INDEX", with the
// kind's JSON name and the 0-based place.
struct DeclarationLink {
  DeclarationKind kind = DeclarationKind::Subroutine;
  DeclarationPlace place;
  bool operator==(const DeclarationLink&) const = default;
};
std::string DeclarationHref(const DeclarationLink& link);
std::optional<DeclarationLink> ParseDeclarationHref(std::string_view href);

}  // namespace ec
