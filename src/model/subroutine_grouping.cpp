#include "model/subroutine_grouping.h"

#include <algorithm>
#include <unordered_map>

#include "model/declaration_conversion.h"
#include "support/gbk_codec.h"

namespace ec {
namespace {

// Key of a subroutine -> index of the first program set that lists it. Later
// program sets listing the same key lose, as in a scan in module order.
std::unordered_map<int32_t, size_t> FirstOwners(const std::vector<ClassRecord>& sets) {
  std::unordered_map<int32_t, size_t> owners;
  size_t keyCount = 0;
  for (const ClassRecord& set : sets) keyCount += set.memberKeys.size();
  owners.reserve(keyCount);
  for (size_t k = 0; k < sets.size(); ++k)
    for (int32_t key : sets[k].memberKeys) owners.try_emplace(key, k);
  return owners;
}

// Appends one subroutine to its program set's group, its class's methods or
// the last group; nameless ones, non-public methods and methods of nameless
// classes go nowhere.
void PlaceSubroutine(const SubroutineRecord& sub, const VariablePageRef& inPlace,
                     const std::unordered_map<int32_t, size_t>& owners, const std::vector<ClassRecord>& sets,
                     const TypeNameTable& types, bool wantGroups, bool wantClasses, GroupedSubroutines& out,
                     ReadReport* budget) {
  const size_t unlisted = sets.size();  // the last group's index
  const auto owner = owners.find(sub.entry.key);
  const size_t k = owner == owners.end() ? unlisted : owner->second;
  const bool inGroup = k == unlisted || sets[k].baseTypeCode == 0;
  const bool isMethod = !inGroup && !sets[k].name.empty() && (sub.attributes & SubroutineRecord::kPublic);
  if (!sub.name.empty() && inGroup && wantGroups)
    return out.groups[k].subroutines.push_back(ConvertSubroutine(sub, inPlace, types, budget));
  if (!sub.name.empty() && isMethod && wantClasses)
    return out.classes[k].methods.push_back(ConvertSubroutine(sub, inPlace, types, budget));
  // A subroutine shown nowhere still has its parameters read, for their problems.
  CheckPage(inPlace, budget);
}

// Makes room in each group for the subroutines its program set lists, so
// that a group of thousands is not moved again and again as it grows. The
// entries are those with a body, so the room is bounded by the file's bytes.
void ReserveGroups(const std::vector<IndexEntry>& entries, const std::unordered_map<int32_t, size_t>& owners,
                   const std::vector<ClassRecord>& sets, std::vector<SubroutineGroup>& groups) {
  std::vector<size_t> sizes(groups.size(), 0);
  for (const IndexEntry& entry : entries) {
    const auto owner = owners.find(entry.key);
    const size_t k = owner == owners.end() ? sets.size() : owner->second;
    if (k == sets.size() || sets[k].baseTypeCode == 0) ++sizes[k];
  }
  for (size_t k = 0; k < groups.size(); ++k) groups[k].subroutines.reserve(sizes[k]);
}

template <typename T, typename Pred>
void EraseEmpty(std::vector<T>& list, Pred isEmpty) {
  list.erase(std::remove_if(list.begin(), list.end(), isEmpty), list.end());
}

}  // namespace

GroupedSubroutines GroupSubroutines(ProgramSegment& program, const TypeNameTable& types, bool wantGroups,
                                    bool wantClasses, ReadReport* found) {
  const std::vector<ClassRecord>& sets = program.classes;
  GroupedSubroutines out;
  out.groups.resize(sets.size() + 1);
  out.classes.resize(sets.size() + 1);
  for (size_t k = 0; k < sets.size(); ++k) {
    if (sets[k].baseTypeCode == 0) continue;
    out.classes[k].name = GbkToUtf8(sets[k].name);
    out.classes[k].remarks = GbkToUtf8(sets[k].remarks);
    out.classes[k].baseType = types.Name(sets[k].baseTypeCode);
    const ClassInfo& info = out.classes[k];
    ChargeRead(found, sizeof info + TextCost(info.name) + TextCost(info.remarks) + TextCost(info.baseType));
  }

  const auto owners = FirstOwners(sets);
  // Room made up front is not charged, so only when the budget could pay for all of it.
  const std::vector<IndexEntry> entries = SubroutineEntries(program);
  const bool affordable = !found || entries.size() * sizeof(Subroutine) <= found->budget.Remaining();
  if (wantGroups && affordable) ReserveGroups(entries, owners, sets, out.groups);
  ForEachSubroutine(
      program,
      [&](const SubroutineRecord& sub, const VariablePageRef& inPlace) {
        PlaceSubroutine(sub, inPlace, owners, sets, types, wantGroups, wantClasses, out, found);
      },
      found);
  // The raw records are done with; the model being built needs the memory.
  program.subroutines = {};
  program.pending = {};

  EraseEmpty(out.groups, [](const SubroutineGroup& g) { return g.subroutines.empty(); });
  EraseEmpty(out.classes, [](const ClassInfo& c) { return c.methods.empty(); });
  return out;
}

}  // namespace ec
