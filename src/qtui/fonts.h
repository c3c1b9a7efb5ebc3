#pragma once
// Units and fonts: twips to pixels, the windows' font names mapped to
// installed fonts, and the text metrics in twips that the picture boxes
// need.
//
// The windows are laid out in twips for their own font, MS Sans Serif 8.25
// points at 96 dpi (15 twips to a pixel). The font standing in for it is
// wider, so twips become pixels at 96 dpi times the ratio of the two
// fonts' widths: every caption keeps its own size and fits the box its
// window's twips give it.
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <string>

#include "forms/control.h"

namespace qtui {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dpi

// The layout's scale: the width of the font standing in for MS Sans Serif
// 8.25 points over the width of that font at 96 dpi (1 without a Qt
// application, or when the stand-in is not wider).
double LayoutScale();

// Twips to pixels at the layout's scale, rounded to the nearest pixel.
int ToPixels(int twips);
QRect ToPixels(int left, int top, int width, int height);

QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// The Qt font for a font of the windows, at its own size: "MS Sans Serif"
// becomes a sans-serif font (DejaVu Sans), "Courier New" a fixed-pitch one
// (DejaVu Sans Mono). The size is set so that a point is 96/72 pixels
// whatever the screen, like the layout.
QFont ToQFont(const forms::Font& font);

// Text metrics of a font of the windows, in twips of the layout.
double TextWidthTwips(const forms::Font& font, const std::string& text);
double TextHeightTwips(const forms::Font& font);

// `font`, or the largest smaller size of it (down to 6 points) with which
// `text` fits in `room` pixels: on one line, or wrapped at word boundaries
// when `wrap` (always allowing one line however low the room is).
QFont FitFont(const QFont& font, const QString& text, const QSizeF& room, bool wrap);

}  // namespace qtui
