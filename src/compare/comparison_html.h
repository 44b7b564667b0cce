#pragma once
// A comparison as one self-contained HTML document: the two modules, the
// changed information and libraries in tables, then kind by kind the added
// and removed declarations as coloured code and the changed ones with the old
// and new code side by side. No script, no style sheet, nothing to load; the
// viewer's page view shows it as it is.

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "compare/comparison_report.h"
#include "declarations/declaration_link.h"

namespace ec {

// Which model the declaration names link into: the viewer links them to the
// nodes of the module it shows; a document on its own has no links.
enum class LinkSide { None, Old, New };

struct ComparisonHtmlOptions {
  LinkSide links = LinkSide::None;
  // Declarations written with their code, in report order; the rest are only
  // counted. A page view lays out a thousand declaration tables slowly.
  size_t maxDeclarations = std::numeric_limits<size_t>::max();
};

std::string ComparisonHtml(const ComparedModules& modules, const ComparisonHtmlOptions& options = {});

}  // namespace ec
