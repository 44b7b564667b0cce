#include "platform/file_association.h"

namespace ec {

AssociationOutcome ApplyAssociation(FileAssociation& association, bool checked,
                                    const std::filesystem::path& program) {
  return checked ? association.Register(program) : association.Remove(program);
}

}  // namespace ec
