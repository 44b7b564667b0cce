#pragma once
// The fields of two declarations of the same identity that differ, named as in
// `ecview-cli dump --json`, in the order that JSON writes them. Parameters and
// members compare by name, type and the three flags, in order. A parameter's
// remark is what a module's user reads about it, so a changed one counts, as
// "paramRemarks" (parameters paired by name); the remarks of data-type members
// do not count.

#include <string_view>
#include <vector>

#include "model/module_model.h"

namespace ec {

using FieldNames = std::vector<std::string_view>;

FieldNames ChangedFields(const Subroutine& a, const Subroutine& b);  // returnType, params, paramRemarks, remarks
FieldNames ChangedFields(const ClassInfo& a, const ClassInfo& b);    // baseType, remarks
FieldNames ChangedFields(const DataType& a, const DataType& b);      // members, remarks
// returnType, libraryFile, nameInLibrary, params, paramRemarks, remarks
FieldNames ChangedFields(const DllCommand& a, const DllCommand& b);
FieldNames ChangedFields(const Constant& a, const Constant& b);      // value, remarks
FieldNames ChangedFields(const GlobalVar& a, const GlobalVar& b);    // type, dimensions, remarks

// Two constant values are the same when a reader would take them for the same:
// same kind and same content, numbers compared bit for bit (so a NaN equals
// itself and a module always equals itself).
bool SameValue(const ConstantValue& a, const ConstantValue& b);

}  // namespace ec
