#pragma once

#include "cli/Command.h"
#include "optimiser/Optimiser.h"

#include <optional>
#include <string>
#include <vector>

namespace rivet::cli {

// "list [--json] [--sort FIGURE[:max|:min]] [--require COND]... [--sound] [FOLDER]": every
// assembly file below the folder (the garage by default) with its figures, ordered and
// filtered as the garage window does. Files that cannot be opened are named on standard error
// and leave the rest listed.
class ListCommand : public Command
{
public:
    const char* name() const override { return "list"; }
    const char* usage() const override
    {
        return "list [--json] [--sort FIGURE[:max|:min]] [--require COND]... [--sound] [FOLDER]";
    }
    const char* summary() const override { return "every machine of a folder, sorted and filtered"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    bool m_json = false;
    std::optional<Goal> m_sort;
    std::vector<Requirement> m_requirements;
    bool m_sound = false;
    std::optional<std::string> m_folder;
};

} // namespace rivet::cli
