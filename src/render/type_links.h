#pragma once
// Links on pages: a type name that names a data type or a class of the module
// links to that declaration, and a data type's or class's own name to the page
// of its uses. The renderers ask for the link of every such name they write
// in HTML; the copy commands pass no links and get the texts as they were.

#include <string>
#include <string_view>

namespace ec {

class TypeLinks {
 public:
  virtual ~TypeLinks() = default;
  // Where a use of `typeName` leads, or "" for no link (basic types, library
  // types, names the module does not declare).
  virtual std::string TypeHref(std::string_view typeName) const = 0;
  // Where the declared name of a data type or class leads, or "".
  virtual std::string UsesHref(std::string_view declaredName) const = 0;
  // The id a document gives a data type's tables so links can reach it, or "".
  virtual std::string DataTypeAnchor(std::string_view name) const = 0;
};

// `html` inside a link to `href`; `html` alone when `href` is empty.
std::string Linked(std::string_view href, std::string html);

}  // namespace ec
