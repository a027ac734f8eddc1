#pragma once

namespace rivet {

// The built-in default catalogue (UTF-8): eleven sections, each a line "$" + file name followed by that file's
// lines, separated by "\n" (the final "\n" adds no line); the default-file writer writes each line with CR LF.
const char* defaultCatalogueText();

} // namespace rivet
