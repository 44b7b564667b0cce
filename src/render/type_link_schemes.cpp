#include "render/type_link_schemes.h"

namespace ec {
namespace {

constexpr std::string_view kUsesScheme = "ecview-uses:";

std::string DocumentId(const DeclarationLink& link) {
  const std::string n = std::to_string(link.place.index + 1);
  return link.kind == DeclarationKind::DataType ? "data-type-" + n : "class-" + n;
}

}  // namespace

std::string UsesHref(const DeclarationLink& link) {
  return std::string(kUsesScheme) + DeclarationHref(link).substr(kDeclarationScheme.size());
}

std::optional<DeclarationLink> ParseUsesHref(std::string_view href) {
  if (!href.starts_with(kUsesScheme)) return std::nullopt;
  return ParseDeclarationHref(std::string(kDeclarationScheme) + std::string(href.substr(kUsesScheme.size())));
}

std::string PageTypeLinks::TypeHref(std::string_view typeName) const {
  const auto target = targets_.Find(typeName);
  return target ? DeclarationHref(*target) : std::string();
}

std::string PageTypeLinks::UsesHref(std::string_view declaredName) const {
  const auto target = targets_.Find(declaredName);
  return target ? ec::UsesHref(*target) : std::string();
}

std::string DocumentTypeLinks::TypeHref(std::string_view typeName) const {
  const auto target = targets_.Find(typeName);
  return target ? "#" + DocumentId(*target) : std::string();
}

std::string DocumentTypeLinks::DataTypeAnchor(std::string_view name) const {
  const auto target = targets_.Find(name);
  if (!target || target->kind != DeclarationKind::DataType) return {};
  if (!anchored_.insert(target->place.index).second) return {};
  return DocumentId(*target);
}

}  // namespace ec
