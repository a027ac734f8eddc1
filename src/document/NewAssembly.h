#pragma once

namespace rivet {

class Assembly;

// The assembly as the window starts with it, before its first evaluation: the start-up
// parts (head 1, core 1, arms 1, legs 4, ... right back 1, left back 41, without the rules),
// the factory colours with BASE of HEAD current, and no file.
void prepareNewAssembly(Assembly& assembly);

} // namespace rivet
