#include "site/site_links.h"

namespace ec::site {
namespace {

std::string Number(size_t index) { return std::to_string(index + 1); }

}  // namespace

std::string DeclarationAnchor(const DeclarationLink& link) {
  const DeclarationPlace& p = link.place;
  switch (link.kind) {
    case DeclarationKind::Subroutine: return "sub-" + Number(p.outer) + "-" + Number(p.index);
    case DeclarationKind::Class: return "class-" + Number(p.index);
    case DeclarationKind::Method: return "method-" + Number(p.outer) + "-" + Number(p.index);
    case DeclarationKind::DataType: return "data-type-" + Number(p.index);
    case DeclarationKind::DllCommand: return "dll-" + Number(p.index);
    case DeclarationKind::Constant: return "constant-" + Number(p.index);
    case DeclarationKind::Global: return "global-" + Number(p.index);
  }
  return {};
}

std::string UsesAnchor(const DeclarationLink& target) { return "uses-" + DeclarationAnchor(target); }

std::string SiteTypeLinks::TypeHref(std::string_view typeName) const {
  const auto target = targets_.Find(typeName);
  return target ? "#" + DeclarationAnchor(*target) : std::string();
}

std::string SiteTypeLinks::UsesHref(std::string_view declaredName) const {
  const auto target = targets_.Find(declaredName);
  return target ? "#" + UsesAnchor(*target) : std::string();
}

}  // namespace ec::site
