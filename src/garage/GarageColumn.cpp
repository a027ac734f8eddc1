#include "garage/GarageColumn.h"

namespace rivet {

bool GarageColumn::operator==(const GarageColumn& other) const
{
    return kind == other.kind && (kind != Kind::Figure || figure == other.figure)
        && (kind != Kind::Part || selector == other.selector);
}

const std::vector<GarageColumn>& garageColumns()
{
    static const std::vector<GarageColumn> columns = [] {
        using Kind = GarageColumn::Kind;
        std::vector<GarageColumn> list = {GarageColumn::of(Kind::File), GarageColumn::of(Kind::MachineName),
                                          GarageColumn::of(Kind::PilotName), GarageColumn::of(Kind::Modified)};
        for (Figure f : allFigures()) {
            list.push_back(GarageColumn::ofFigure(f));
        }
        for (Selector s : allSelectors()) {
            list.push_back(GarageColumn::ofPart(s));
        }
        list.push_back(GarageColumn::of(Kind::Options));
        return list;
    }();
    return columns;
}

std::string columnCaption(const GarageColumn& column)
{
    switch (column.kind) {
    case GarageColumn::Kind::File:
        return "ファイル";
    case GarageColumn::Kind::MachineName:
        return "機体名";
    case GarageColumn::Kind::PilotName:
        return "パイロット";
    case GarageColumn::Kind::Modified:
        return "更新日時";
    case GarageColumn::Kind::Figure:
        return describe(column.figure).caption;
    case GarageColumn::Kind::Part:
        return selectorCaption(column.selector);
    case GarageColumn::Kind::Options:
        return "オプション";
    }
    return {};
}

const GarageColumn& garageColumnAt(int position)
{
    return garageColumns()[static_cast<std::size_t>(position)];
}

} // namespace rivet
