#pragma once

#include <string>
#include <vector>

namespace rivet {

// The part names of the built-in catalogue for a slot (0..10), in file order. A machine code
// names a part of the factory catalogue by its place in this list, which is why the list is
// part of the code's format: a code written today must read the same names tomorrow. The
// tests hold it to a fixed checksum.
const std::vector<std::string>& factoryPartNames(int slot);

// Where a name stands in that list (1 for the first); 0 when it is not there.
int factoryPartNumber(int slot, const std::string& name);

} // namespace rivet
