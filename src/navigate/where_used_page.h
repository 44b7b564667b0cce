#pragma once
// The page that lists where a data type or class is used, grouped by the kind
// of the using declaration, each use a link to that declaration. Plain HTML
// like the item pages: no script, nothing to load.

#include <string>

#include "navigate/type_uses.h"

namespace ec {

struct WhereUsedPageOptions {
  // Uses written as links; the rest are only counted, so a type used by a
  // hundred thousand subroutines never feeds the page view megabytes.
  size_t maxLinks = 2000;
  // Places written per use; a hostile module may give one subroutine a
  // hundred thousand parameters of the type.
  size_t maxPlaces = 20;
};

std::string WhereUsedPage(const ModuleModel& model, const TypeUseIndex& index, const DeclarationLink& target,
                          const WhereUsedPageOptions& options = {});

}  // namespace ec
