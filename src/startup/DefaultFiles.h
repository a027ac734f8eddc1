#pragma once

#include <string>

namespace rivet {

// Creates dataDir when missing (one level) and writes every default catalogue file and
// default template that is missing there. Existing files are never overwritten, so a deleted
// file comes back at the next start and an edited one survives. Fails with the I/O message.
void writeDefaultFiles(const std::string& dataDir);

} // namespace rivet
