#pragma once

#include <string>

namespace rivet {

class ColorEditor;
class PartsTable;
struct Machine;

// The name with its extension replaced (a name without one gets it appended): "a/b.txt" and
// ".asm" give "a/b.asm".
std::string replaceExtension(const std::string& path, const std::string& extension);

// Writes the machine into the ".asm" file of that name (extension replaced). An existing
// file keeps its other sections and keys; its "acmemo" section is replaced whole. The file
// is written through a temporary file and renamed over the old one, so a failure ("%s に
// 書き込めません") leaves the old file as it was. Returns the path written.
std::string saveAssembly(const Machine& machine, const std::string& fileName);
// The same into the file at exactly that path.
void saveAssemblyTo(const Machine& machine, const std::string& path);

// The content of a new ".asm" file that holds the machine alone: what a save into a file
// that did not exist writes.
std::string assemblyFileBytes(const Machine& machine);

// Reads the ".asm" file of exactly that name into the machine, the way the window's controls
// take it: names, parts (without the back-weapon pairing or the rules), options, description,
// colour rows (then the colour controls take the current cell, which may rewrite it),
// pilot settings, picture files. Missing keys take their defaults; a file that does not
// exist reads as all defaults. A position the catalogue does not offer leaves its selector
// without an item. The file is read whole first; a failure on the way (a value that is not
// Shift-JIS, a damaged colour in the current cell) may leave the machine and the colour
// controls half read, so callers read into copies.
void readAssemblyFile(const std::string& fileName, const PartsTable& table, Machine& machine, ColorEditor& colors);

} // namespace rivet
