#include "viewer/ViewerLayout.h"

#include "card/CardText.h"

#include <algorithm>
#include <limits>

namespace {

using enum ViewerLabel;

constexpr float kFirstRowTop = 600;
constexpr float kRowGap = 85;
constexpr float kPosterGap = 135;
constexpr int kBottomAllowance = 1215;
constexpr float kRightMargin = 300;
constexpr float kOkFromBottom = 990;
constexpr float kOkFromRight = 1515;
constexpr float kPlayOffset = 1200;

constexpr double kMin16 = std::numeric_limits<qint16>::min();
constexpr double kMax16 = std::numeric_limits<qint16>::max();

// What a value past the 16-bit range does: the poster is given up for it,
// and texts alone are cut at the limit.
enum class Overflow { Fails, Clamps };

std::optional<qint16> Whole16(double value, Overflow overflow)
{
    return ::Whole16(overflow == Overflow::Fails ? value : std::clamp(value, kMin16, kMax16));
}

// The poster image scaled to the fixed width; false when its height does
// not fit 16 bits.
bool LoadPoster(ViewerGeometry &g, std::optional<TwipsSize> poster)
{
    g.posterShown = poster.has_value();
    g.picAffiche.width = poster ? poster->width : 0;
    g.picAffiche.height = poster ? poster->height : 0;
    if (!poster) {
        g.imgAffiche.width = 0;
        g.imgAffiche.height = 0;
        return true;
    }
    const std::optional<qint16> height = ScaledPosterHeight(*poster);
    if (!height)
        return false;
    g.imgAffiche.width = kPosterWidth;
    g.imgAffiche.height = *height;
    return true;
}

enum class Tie { BesideWhenBelowTop, BesideWhenAtTop };

// Wraps the label beside the poster when the poster reaches down beside it,
// otherwise below it across the window, and moves the poster to its right.
void FitBesidePoster(ViewerGeometry &g, ViewerLabel which, Tie tie, float startWidth,
                     const WrappedHeight &wrappedHeight)
{
    TwipsBox &label = g[which];
    TwipsBox &poster = g.imgAffiche;
    const float right = label.left + label.width;
    if (poster.left - kPosterGap > right)
        return;
    const float bottom = poster.top + poster.height;
    const bool beside = tie == Tie::BesideWhenBelowTop ? bottom > label.top : bottom >= label.top;
    label.width = (beside ? poster.left : startWidth) - kPosterGap - label.left;
    g.wrapped[int(which)] = true;
    label.height = wrappedHeight(which, label.width);
    poster.left = label.left + label.width + kPosterGap;
}

void StackRows(ViewerGeometry &g)
{
    g[lblAnnee].top = kFirstRowTop;
    g[lblDuree].top = kFirstRowTop;
    const ViewerLabel rows[][2] = {
        {lblTypeA, lblType}, {lblRealisateurA, lblRealisateur}, {lblActeursA, lblActeurs}, {lblResumeA, lblResume}};
    const TwipsBox *above = &g[lblDuree];
    for (const auto &[caption, value] : rows) {
        const float top = above->top + above->height + kRowGap;
        g[caption].top = top;
        g[value].top = top;
        above = &g[value];
    }
}

// The whole layout; none when a value fails the 16-bit limit.
std::optional<ViewerGeometry> Layout(const ViewerGeometry &start, std::optional<TwipsSize> poster,
                                     const WrappedHeight &wrappedHeight, Overflow overflow)
{
    ViewerGeometry g = start;
    if (!LoadPoster(g, poster))
        return std::nullopt;
    // The passes compare with the tops and the window width from before
    // the stacking and the sizing.
    FitBesidePoster(g, lblResume, Tie::BesideWhenBelowTop, start.windowWidth, wrappedHeight);
    FitBesidePoster(g, lblRealisateur, Tie::BesideWhenAtTop, start.windowWidth, wrappedHeight);
    FitBesidePoster(g, lblResume, Tie::BesideWhenAtTop, start.windowWidth, wrappedHeight);
    StackRows(g);

    const std::optional<qint16> posterBottom = Whole16(g.imgAffiche.top + g.imgAffiche.height, overflow);
    const std::optional<qint16> summaryBottom = Whole16(g[lblResume].top + g[lblResume].height, overflow);
    if (!posterBottom || !summaryBottom)
        return std::nullopt;
    const std::optional<qint16> height = Whole16(MaxInt(*summaryBottom, *posterBottom) + kBottomAllowance, overflow);
    if (!height)
        return std::nullopt;
    g.windowHeight = *height;
    g.windowWidth = g.imgAffiche.width + g.imgAffiche.left + kRightMargin;

    g.lnRealWorld.x1 = g.windowWidth;
    g.lnRealWorld.x2 = g.windowWidth;
    g.picAffiche.left = g.windowWidth;
    g.lblTitre.width = g.windowWidth;
    g.cmdOK.top = g.windowHeight - kOkFromBottom;
    g.cmdOK.left = g.windowWidth - kOkFromRight;
    g.cmdPlay.top = g.cmdOK.top;
    g.cmdPlay.left = g.cmdOK.left - kPlayOffset;
    return g;
}

} // namespace

ViewerGeometry ViewerStartGeometry()
{
    ViewerGeometry g;
    g[lblAnnee] = {120, 600, 960, 195};
    g[lblDuree] = {1320, 600, 945, 195};
    g[lblTypeA] = {120, 1320, 450, 195};
    g[lblType] = {600, 1320, 420, 195};
    g[lblRealisateurA] = {120, 1680, 885, 195};
    g[lblRealisateur] = {1080, 1680, 420, 195};
    g[lblActeursA] = {120, 2040, 675, 195};
    g[lblActeurs] = {840, 2040, 420, 195};
    g[lblResumeA] = {120, 2400, 720, 195};
    g[lblResume] = {840, 2400, 420, 195};
    g.lblTitre = {0, 0, 5175, 375};
    g.imgAffiche = {3120, 600, 1935, 2055};
    g.picAffiche = {5400, 720, 2415, 2535};
    g.lnRealWorld = {5280, 0, 5280, 7080};
    g.cmdPlay = {2040, 2880, 1095, 495};
    g.cmdOK = {3240, 2880, 1215, 495};
    g.posterShown = true;
    g.windowWidth = 5265;
    g.windowHeight = 3735;
    return g;
}

ViewerGeometry PositionsLoad(const ViewerGeometry &start, std::optional<TwipsSize> poster,
                             const WrappedHeight &wrappedHeight)
{
    if (poster) {
        if (std::optional<ViewerGeometry> withPoster = Layout(start, poster, wrappedHeight, Overflow::Fails))
            return *withPoster;
    }
    return *Layout(start, std::nullopt, wrappedHeight, Overflow::Clamps);
}
