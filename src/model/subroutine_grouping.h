#pragma once
// Places each subroutine of a module: in the group of the program set that
// lists it, among the public methods of its class, in the group of subroutines
// no program set lists, or nowhere.

#include <vector>

#include "model/module_model.h"
#include "model/type_name.h"
#include "reader/program_segment.h"

namespace ec {

struct GroupedSubroutines {
  std::vector<SubroutineGroup> groups;  // program-set order, then the unlisted ones
  std::vector<ClassInfo> classes;       // module order
};

// Fills only what `wantGroups` / `wantClasses` ask for; the other list stays
// empty. Consumes the subroutines of `program`, those read and those left in
// place, which are read one at a time as they are placed.
// What reading the subroutines left in place finds goes to `found`, when given.
GroupedSubroutines GroupSubroutines(ProgramSegment& program, const TypeNameTable& types, bool wantGroups,
                                    bool wantClasses, ReadReport* found = nullptr);

}  // namespace ec
