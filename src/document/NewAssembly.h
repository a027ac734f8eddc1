#pragma once

namespace rivet {

class Assembly;

// The parts the window starts with: head 1, core 1, arms 1, legs 4, generator 1, FCS 1,
// booster 1, arm weapon 1, blade 1, right back 1, left back 41, set from code (no rules yet).
void applyInitialSelection(Assembly& assembly);

// The assembly as the window starts with it, before its first evaluation: the initial parts,
// the factory colours with BASE of HEAD current, and no file.
void prepareNewAssembly(Assembly& assembly);

} // namespace rivet
