#pragma once

#include "platform/PosterGeometry.h"

#include <QtGlobal>

#include <optional>

// Where the editor shows its poster, in twips: 1935 wide at a fixed place,
// and the window as tall as the lower of poster and summary plus a margin.
inline constexpr int kPosterLeft = 4200;
inline constexpr int kPosterTop = 960;
inline constexpr int kSummaryTop = 2160;
inline constexpr int kSummaryHeight = 1455;
inline constexpr int kWindowMargin = 855;

// The window's outer height around a poster of this height (0 for none),
// or nothing when it passes 16 bits.
std::optional<qint16> EditorOuterHeight(double posterHeight);
