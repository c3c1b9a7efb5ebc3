#pragma once
// Painting a picture box's drawing list: user coordinates are mapped
// through each operation's scale onto the pixel rectangle.
#include <QColor>
#include <QImage>
#include <QSizeF>
#include <vector>

#include "forms/picture_box.h"

class QPainter;

namespace qtui {

// A colour of the model; system colours come from the application's palette.
QColor ToQColor(forms::Colour colour);

// Paints the drawing onto a surface of `pixels` size, from its upper-left corner.
void PaintDrawing(QPainter& painter, const std::vector<forms::DrawOp>& drawing, const QSizeF& pixels);

// The picture box's drawing on its background, at its size in pixels.
QImage RenderDrawing(const forms::PictureBox& box);

}  // namespace qtui
