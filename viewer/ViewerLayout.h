#pragma once

#include "platform/PosterGeometry.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

// The viewer's layout in twips, apart from any widget: from the controls'
// starting places and the sizes their captions take, where everything goes
// and how large the window is. Positions and sizes are single precision, as
// the window system keeps them.

struct TwipsBox
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const TwipsBox &, const TwipsBox &) = default;
};

struct TwipsLine
{
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;

    friend bool operator==(const TwipsLine &, const TwipsLine &) = default;
};

// The labels that size themselves to their caption.
enum class ViewerLabel {
    lblAnnee,
    lblDuree,
    lblTypeA,
    lblType,
    lblRealisateurA,
    lblRealisateur,
    lblActeursA,
    lblActeurs,
    lblResumeA,
    lblResume,
};
inline constexpr int kViewerLabelCount = 10;

struct ViewerGeometry
{
    // Indexed by ViewerLabel; unwrapped, each is as large as its caption.
    std::array<TwipsBox, kViewerLabelCount> labels;
    std::array<bool, kViewerLabelCount> wrapped{};
    TwipsBox lblTitre;
    TwipsBox imgAffiche;
    TwipsBox picAffiche;
    TwipsLine lnRealWorld;
    TwipsBox cmdPlay;
    TwipsBox cmdOK;
    bool posterShown = false;
    // Outer size: frame and title bar included.
    float windowWidth = 0;
    float windowHeight = 0;

    TwipsBox &operator[](ViewerLabel label) { return labels[int(label)]; }
    const TwipsBox &operator[](ViewerLabel label) const { return labels[int(label)]; }
};

// The window as it is built, each label one line (195 twips) high; the
// window's outer width is the client's 5265 until a frame is known.
ViewerGeometry ViewerStartGeometry();

// The height a label's caption takes when it wraps within the width.
using WrappedHeight = std::function<float(ViewerLabel label, float width)>;

// Scales the poster (natural size in twips; none for a card without one)
// to 1935 twips wide, fits the director and the summary beside or below it,
// stacks the rows and sizes the window. A poster that would take the layout
// past 32767 twips is left out.
ViewerGeometry PositionsLoad(const ViewerGeometry &start, std::optional<TwipsSize> poster,
                             const WrappedHeight &wrappedHeight);
