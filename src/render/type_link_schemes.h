#pragma once
// The two homes of type links: the viewer's pages, whose links name a
// declaration ("ecview-declaration:…") or the uses of one ("ecview-uses:…"),
// both handled by the viewer itself; and a standalone document, whose links
// are anchors inside it.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "declarations/type_targets.h"
#include "render/type_links.h"

namespace ec {

// "ecview-uses:KIND/OUTER/INDEX": the page of the uses of that data type or class.
std::string UsesHref(const DeclarationLink& link);
std::optional<DeclarationLink> ParseUsesHref(std::string_view href);

class PageTypeLinks : public TypeLinks {
 public:
  explicit PageTypeLinks(const ModuleModel& model) : targets_(model) {}
  std::string TypeHref(std::string_view typeName) const override;
  std::string UsesHref(std::string_view declaredName) const override;
  std::string DataTypeAnchor(std::string_view) const override { return {}; }

 private:
  TypeTargets targets_;
};

// Data types are reached at "#data-type-N", classes at their sections
// "#class-N" (N counts from 1, as the document's sections do).
class DocumentTypeLinks : public TypeLinks {
 public:
  explicit DocumentTypeLinks(const ModuleModel& model) : targets_(model) {}
  std::string TypeHref(std::string_view typeName) const override;
  std::string UsesHref(std::string_view) const override { return {}; }
  // Only the data type a name stands for gets the anchor, and only once.
  std::string DataTypeAnchor(std::string_view name) const override;

 private:
  TypeTargets targets_;
  mutable std::unordered_set<size_t> anchored_;
};

}  // namespace ec
