#include "editor/EditorPosterPlace.h"

#include "card/CardText.h"

std::optional<qint16> EditorOuterHeight(double posterHeight)
{
    const std::optional<qint16> posterBottom = Whole16(kPosterTop + posterHeight);
    const std::optional<qint16> summaryBottom = Whole16(kSummaryTop + kSummaryHeight);
    if (!posterBottom || !summaryBottom)
        return std::nullopt;
    return Whole16(double(MaxInt(*posterBottom, *summaryBottom)) + kWindowMargin);
}
