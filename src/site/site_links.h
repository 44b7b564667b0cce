#pragma once
// Where things live inside a published site: the anchor of every declaration
// on its module's page, and the type links of those pages, which lead to the
// anchors of the module's own data types and classes and, from a declared
// name, to the list of its uses.

#include <string>
#include <string_view>

#include "declarations/declaration_link.h"
#include "declarations/type_targets.h"
#include "render/type_links.h"

namespace ec::site {

// "sub-G-I", "class-C", "method-C-I", "data-type-I", "dll-I", "constant-I",
// "global-I", all counted from 1; plain ASCII, so usable in any href.
std::string DeclarationAnchor(const DeclarationLink& link);

// The anchor of the "使用处" list of a data type or class.
std::string UsesAnchor(const DeclarationLink& target);

class SiteTypeLinks : public TypeLinks {
 public:
  explicit SiteTypeLinks(const ModuleModel& model) : targets_(model) {}
  std::string TypeHref(std::string_view typeName) const override;
  std::string UsesHref(std::string_view declaredName) const override;
  // Every declaration has its anchor on its own element already.
  std::string DataTypeAnchor(std::string_view) const override { return {}; }

 private:
  TypeTargets targets_;
};

}  // namespace ec::site
