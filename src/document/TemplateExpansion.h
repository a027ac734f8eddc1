#pragma once

#include "common/TextFile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rivet {

inline constexpr int kPlaceholderCount = 117;
// The report version that "#version" stands for in HTML reports.
inline constexpr const char* kReportVersion = "1.36";

// The 117 "#" placeholders in the order their values are gathered: names, the eleven parts,
// the thirteen option marks, the sixteen figures, the two picture files, the description,
// the 64 colour placeholders, the seven pilot settings and "#version".
const std::vector<std::string>& placeholderList();

// Fills a template: for each value in order, the template (lines joined, each followed by
// CR LF) has every occurrence of the matching placeholder replaced, left to right, exactly
// as written, never inside text this same step inserted; the text is then split into lines
// again. Values may themselves hold later placeholders, which are then replaced in turn.
// Returns the report text, every line followed by CR LF. Fewer values than placeholders
// leave the rest as written.
// Values that hold placeholders again and again can make the text grow at every step; a text
// beyond maxBytes (by default the largest file the tool reads) fails with
// reportTooLargeMessage instead of exhausting the memory.
std::string expandTemplate(const std::vector<std::string>& templateLines, const std::vector<std::string>& values,
                           std::size_t maxBytes = kMaxTextFileBytes);
// The same for a template already read as one text, every line followed by CR LF.
std::string expandTemplateText(std::string text, const std::vector<std::string>& values,
                               std::size_t maxBytes = kMaxTextFileBytes);
std::string reportTooLargeMessage(std::size_t maxBytes);

} // namespace rivet
