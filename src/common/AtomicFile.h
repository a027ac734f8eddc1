#pragma once

#include <string>
#include <string_view>

// Writing files so that a failure, a full disk or a kill never leaves a torn file: the
// content goes into a temporary file beside the target, is synced, and replaces the target in
// one rename. The temporaries are named ".rivet-<process>-XXXXXX" and locked while written,
// so a later write can tell the ones a killed program left behind from live ones.
namespace rivet {

// Replaces the file's content with bytes. A symbolic link is followed and the file it names
// is replaced (the link stays); the mode, owner and group of a replaced file are kept as far
// as the system allows. A target that is not a regular file, or a read-only one, is refused
// and left alone. On any failure the old file stays as it was; the failure carries
// failureMessage and, on the line after it, the reason.
void writeFileAtomically(const std::string& path, std::string_view bytes, const std::string& failureMessage);

// Creates the file with bytes unless something of that name exists (a dangling link counts):
// complete or not at all, and never over a file another program made meanwhile. Returns
// false, writing nothing, when the name exists. Fails with the system's I/O message and, on
// the line after it, the file and the reason.
bool createFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that killed programs left in folder: only ours, only this
// user's, none a live write holds (and ".rivet-XXXXXX" files of earlier versions once they
// are an hour old). Whatever cannot be looked at is left alone.
void removeStaleTemporaries(const std::string& folder);

// The name part of a path up to and including its last "/" ("" for a bare name).
std::string folderOf(const std::string& path);

} // namespace rivet
