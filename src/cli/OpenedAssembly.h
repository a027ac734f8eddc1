#pragma once

#include "document/Assembly.h"
#include "startup/StartUp.h"

#include <memory>
#include <string>

namespace rivet::cli {

// The assembly exactly as the window shows it after starting and opening the file: the
// start-up machine, its first evaluation, then the file loaded and evaluated. A file that
// does not exist fails with "ファイルが見つかりません" (there is no dialog to fall back on).
std::unique_ptr<Assembly> openAsTheWindowDoes(const Workspace& workspace, const std::string& path);

// The assembly exactly as the window shows it after a start without a file.
std::unique_ptr<Assembly> startAsTheWindowDoes(const Workspace& workspace);

} // namespace rivet::cli
