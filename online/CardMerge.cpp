#include "online/CardMerge.h"

#include <algorithm>

namespace {

bool IsBlank(const CardRecord &record, CardRecord::Field field)
{
    return record.text(field).trimmed().isEmpty();
}

bool Takes(bool cardHas, bool newHas, bool replaceFilled)
{
    return newHas && (!cardHas || replaceFilled);
}

} // namespace

MergedCard MergeIntoCard(const CardRecord &card, bool cardHasPoster, const CardRecord &fitted, bool hasNewPoster,
                         bool replaceFilled)
{
    MergedCard merged{card, Takes(cardHasPoster, hasNewPoster, replaceFilled)};
    const auto blank = [](const CardRecord &record, std::initializer_list<CardRecord::Field> fields) {
        return std::all_of(fields.begin(), fields.end(), [&record](CardRecord::Field f) { return IsBlank(record, f); });
    };
    const std::initializer_list<std::initializer_list<CardRecord::Field>> groups = {
        {CardRecord::Titre}, {CardRecord::Annee},       {CardRecord::DureeH, CardRecord::DureeMin},
        {CardRecord::Type},  {CardRecord::Realisateur}, {CardRecord::Acteurs},
        {CardRecord::Resume}};
    for (const auto &group : groups) {
        if (!Takes(!blank(card, group), !blank(fitted, group), replaceFilled))
            continue;
        for (CardRecord::Field field : group)
            merged.record.set(field, fitted.text(field));
    }
    return merged;
}
