// How far the bar reaches across its monitor, and the strip of the monitor it may keep for
// itself the way panels do. Lengths in twips unless said otherwise.
#pragma once

#include <QRect>
#include <array>
#include <cstdint>

namespace BarSpan {

inline constexpr int kNormalWidth = 7155; // the bar as it always was
inline constexpr int kNormalClamp = 7110; // the menu picture's right edge on a Normal bar

// [Bar] width: 0 Normal, 1 Wide (twice Normal, never wider than the monitor), 2 the whole width.
double width(int choice, double monitorWidth);
// The part of the bar the left edge keeps on its monitor: up to the menu picture at Normal, as
// it always was; the whole bar when it is wider.
double clampWidth(int choice, double monitorWidth);
// [Bar] text_size: 0 Normal, 1 Large, 2 Larger, as a scale of the Normal bar's text and heights.
double textScale(int choice);
// The left edge, relative to the monitor, kept so that clampWidth stays on it.
float clampLeft(float left, double clampWidth, double monitorWidth);

} // namespace BarSpan

// _NET_WM_STRUT_PARTIAL's twelve cardinals (left, right, top, bottom, then each side's start and
// end) keeping `height` pixels along the top of `monitor`, a rectangle of the virtual desktop.
// A top strut is measured from the top of the whole desktop, so on a monitor lower than that
// it covers everything above the monitor as well, within the monitor's columns.
std::array<uint32_t, 12> topStrut(const QRect& monitor, int height);
