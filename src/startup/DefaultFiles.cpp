#include "startup/DefaultFiles.h"

#include "catalogue/DefaultCatalogue.h"
#include "common/AtomicFile.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "document/DefaultTemplates.h"

#include <vector>

namespace rivet {

namespace {

// A default file is written only where none is: an edited file survives every start. It
// appears complete or not at all, so a start that is killed or runs beside another never
// leaves a default half written for the next start to take for the player's own.
void writeIfMissing(const std::string& path, const std::vector<std::string>& lines)
{
    if (!fileExists(path)) {
        createFileAtomically(path, sjis::encodeOrFail(joinCrLf(lines)));
    }
}

} // namespace

void writeDefaultFiles(const std::string& dataDir)
{
    ensureFolder(dataDir);
    writeIfMissing(dataDir + "template1.htm", defaultHtmlTemplate());
    writeIfMissing(dataDir + "template1.txt", defaultTextTemplate());

    // The catalogue block: a line "$name" starts the file of that name, the lines after it
    // are its content.
    std::string currentFile;
    std::vector<std::string> content;
    auto flush = [&] {
        if (!currentFile.empty()) {
            writeIfMissing(dataDir + currentFile, content);
        }
        content.clear();
    };
    const std::string text = defaultCatalogueText();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.front() == '$') {
            flush();
            currentFile = line.substr(1);
        } else {
            content.push_back(std::move(line));
        }
    }
    flush();
}

} // namespace rivet
