#pragma once
// Units and fonts: twips (15 to a pixel at 96 dpi) to pixels, the windows'
// font names mapped to installed fonts, and the text metrics in twips that
// the picture boxes need.
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <string>

#include "forms/control.h"

namespace qtui {

constexpr double kTwipsPerPixel = 15.0;

// Twips to pixels, rounded to the nearest pixel.
int ToPixels(int twips);
QRect ToPixels(int left, int top, int width, int height);

QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// The Qt font for a font of the windows: "MS Sans Serif" becomes a
// sans-serif font of similar metrics (DejaVu Sans, 8 points for 8.25),
// "Courier New" a fixed-pitch font (DejaVu Sans Mono). The size is set so
// that a point is 96/72 pixels whatever the screen, like the layout.
QFont ToQFont(const forms::Font& font);

// Text metrics of a font of the windows, in twips.
double TextWidthTwips(const forms::Font& font, const std::string& text);
double TextHeightTwips(const forms::Font& font);

// `font`, or the largest smaller size of it (down to 6 points) with which
// `text` fits in `room` pixels: on one line, or wrapped at word boundaries
// when `wrap` (always allowing one line however low the room is).
QFont FitFont(const QFont& font, const QString& text, const QSizeF& room, bool wrap);

}  // namespace qtui
