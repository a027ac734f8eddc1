#include "document/Machine.h"

namespace rivet {

Selection selectionWithoutItems()
{
    Selection selection;
    selection.positions.fill(-1);
    return selection;
}

Selection initialSelection()
{
    Selection selection;
    selection.positions = {1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 41};
    return selection;
}

std::string& Machine::text(TextField field)
{
    return const_cast<std::string&>(static_cast<const Machine&>(*this).text(field));
}

const std::string& Machine::text(TextField field) const
{
    switch (field) {
    case TextField::MachineName:
        return machineName;
    case TextField::PilotName:
        return pilotName;
    case TextField::Emblem:
        return emblem;
    case TextField::MachinePicture:
        break;
    }
    return picture;
}

std::vector<std::string> Machine::descriptionLines() const
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < description.size()) {
        std::size_t end = description.find('\n', start);
        if (end == std::string::npos) {
            end = description.size();
        }
        lines.push_back(description.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool Machine::operator==(const Machine& other) const
{
    return machineName == other.machineName && pilotName == other.pilotName && emblem == other.emblem
        && picture == other.picture && description == other.description && selection == other.selection
        && colors == other.colors && pilot == other.pilot;
}

} // namespace rivet
