// The check of the programs' Authenticode signatures: the five programs to be shipped
// unsigned (a warning, with what the player sees), who signed those that are, and the
// maker's own unsigned programs (a note).
#ifndef ZOR_DISC_SIGNATURE_CHECKS_H
#define ZOR_DISC_SIGNATURE_CHECKS_H

#include <vector>

#include "disc/check.h"

namespace disc {

// Appends what the signatures of the programs that input ships tell the maker.
void check_signatures(const Ccheck_input& input, std::vector<Cproblem>& problems);

}  // namespace disc

#endif
