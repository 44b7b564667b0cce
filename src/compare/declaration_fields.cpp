#include "compare/declaration_fields.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace ec {
namespace {

bool SameSignature(const Parameter& a, const Parameter& b) {
  return a.name == b.name && a.type == b.type && a.byRef == b.byRef && a.optional == b.optional &&
         a.isArray == b.isArray;
}

bool SameSignatures(const std::vector<Parameter>& a, const std::vector<Parameter>& b) {
  return std::ranges::equal(a, b, SameSignature);
}

// Parameters are paired by name, so adding or removing one (a change of
// "params") does not make the remarks of all those after it count as changed.
// With a name used twice, the n-th of one side pairs with the n-th of the other.
bool SameParameterRemarks(const std::vector<Parameter>& a, const std::vector<Parameter>& b) {
  std::vector<bool> taken(b.size(), false);
  for (const Parameter& p : a) {
    for (size_t j = 0; j < b.size(); ++j) {
      if (taken[j] || b[j].name != p.name) continue;
      taken[j] = true;
      if (b[j].remarks != p.remarks) return false;
      break;
    }
  }
  return true;
}

// Appends `name` when the two values differ.
class FieldList {
 public:
  FieldList& Check(bool same, std::string_view name) {
    if (!same) fields_.push_back(name);
    return *this;
  }
  FieldNames Take() { return std::move(fields_); }

 private:
  FieldNames fields_;
};

}  // namespace

bool SameValue(const ConstantValue& a, const ConstantValue& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case ConstantValue::Kind::Empty: return true;
    case ConstantValue::Kind::Number:
    case ConstantValue::Kind::DateTime:
      return std::bit_cast<uint64_t>(a.number) == std::bit_cast<uint64_t>(b.number);
    case ConstantValue::Kind::Logical: return a.logical == b.logical;
    case ConstantValue::Kind::Text:
    case ConstantValue::Kind::Bytes: return a.bytes == b.bytes;
  }
  return false;
}

FieldNames ChangedFields(const Subroutine& a, const Subroutine& b) {
  return FieldList()
      .Check(a.returnType == b.returnType, "returnType")
      .Check(SameSignatures(a.params, b.params), "params")
      .Check(SameParameterRemarks(a.params, b.params), "paramRemarks")
      .Check(a.remarks == b.remarks, "remarks")
      .Take();
}

FieldNames ChangedFields(const ClassInfo& a, const ClassInfo& b) {
  return FieldList().Check(a.baseType == b.baseType, "baseType").Check(a.remarks == b.remarks, "remarks").Take();
}

FieldNames ChangedFields(const DataType& a, const DataType& b) {
  return FieldList()
      .Check(SameSignatures(a.members, b.members), "members")
      .Check(a.remarks == b.remarks, "remarks")
      .Take();
}

FieldNames ChangedFields(const DllCommand& a, const DllCommand& b) {
  return FieldList()
      .Check(a.returnType == b.returnType, "returnType")
      .Check(a.libraryFile == b.libraryFile, "libraryFile")
      .Check(a.nameInLibrary == b.nameInLibrary, "nameInLibrary")
      .Check(SameSignatures(a.params, b.params), "params")
      .Check(SameParameterRemarks(a.params, b.params), "paramRemarks")
      .Check(a.remarks == b.remarks, "remarks")
      .Take();
}

FieldNames ChangedFields(const Constant& a, const Constant& b) {
  return FieldList().Check(SameValue(a.value, b.value), "value").Check(a.remarks == b.remarks, "remarks").Take();
}

FieldNames ChangedFields(const GlobalVar& a, const GlobalVar& b) {
  return FieldList()
      .Check(a.type == b.type, "type")
      .Check(a.dimensions == b.dimensions, "dimensions")
      .Check(a.remarks == b.remarks, "remarks")
      .Take();
}

}  // namespace ec
