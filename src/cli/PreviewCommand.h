#pragma once

#include "catalogue/Slots.h"
#include "cli/Command.h"

#include <string>

namespace rivet::cli {

// "preview [--json] FILE.asm SELECTOR": what choosing each item of the selector's list would do
// to the machine of the file, as the drop-down's preview shows it.
class PreviewCommand : public Command
{
public:
    const char* name() const override { return "preview"; }
    const char* usage() const override { return "preview [--json] FILE.asm SELECTOR"; }
    const char* summary() const override { return "what choosing each item of cb1..cb11 would change"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    bool m_json = false;
    std::string m_file;
    Selector m_selector = HeadSelector;
};

} // namespace rivet::cli
