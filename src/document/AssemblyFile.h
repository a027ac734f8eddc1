#pragma once

#include <string>

namespace rivet {

class Assembly;

// The name with its extension replaced (a name without one gets it appended): "a/b.txt" and
// ".asm" give "a/b.asm".
std::string replaceExtension(const std::string& path, const std::string& extension);

// Writes the assembly into the ".asm" file of that name (extension replaced). An existing
// file keeps its other sections and keys; its "acmemo" section is replaced whole. The file
// is written through a temporary file and renamed over the old one, so a failure ("%s に
// 書き込めません") leaves the old file as it was. On success the assembly counts as saved.
// Returns the path written.
std::string saveAssembly(Assembly& assembly, const std::string& fileName);
// The same into the file at exactly that path.
void saveAssemblyTo(Assembly& assembly, const std::string& path);

// The content of a new ".asm" file that holds the assembly alone: what a save into a file
// that did not exist writes.
std::string assemblyFileBytes(const Assembly& assembly);

// Reads the ".asm" file of exactly that name into the assembly, the way the window's controls
// take it: names, parts (without the back-weapon pairing), options (each change evaluates),
// description, colour rows, pilot settings, picture files. Missing keys take their defaults;
// a file that does not exist reads as all defaults. All or nothing: a failure on the way
// (a value that is not Shift-JIS, a damaged colour in the current cell) leaves the assembly
// exactly as it was. The file name, caption and saved state are left to the caller.
void loadAssembly(Assembly& assembly, const std::string& fileName);

} // namespace rivet
