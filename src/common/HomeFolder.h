#pragma once

#include <string>

namespace rivet {

// The value of an environment variable; empty when it is not set.
std::string environmentValue(const char* name);

// The home folder of the account the program runs under, from the password database; empty
// when the account has none. Stands in for $HOME where that is not set.
std::string accountHomeFolder();

} // namespace rivet
