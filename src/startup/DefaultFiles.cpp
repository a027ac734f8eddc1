#include "startup/DefaultFiles.h"

#include "catalogue/DefaultCatalogue.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "document/DefaultTemplates.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace rivet {

namespace {

// Writes a new file; an existing one is left alone (O_EXCL), so the check and the creation
// cannot race with another start of the program.
void writeIfMissing(const std::string& path, const std::vector<std::string>& lines)
{
    if (fileExists(path)) {
        return;
    }
    const std::string bytes = sjis::encodeOrFail(joinCrLf(lines));
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return;
        }
        throw Failure(ioErrorMessage(errno));
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            ::unlink(path.c_str()); // a half-written default would be read as a broken catalogue
            throw Failure(ioErrorMessage(error));
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(path.c_str());
        throw Failure(ioErrorMessage(error));
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
