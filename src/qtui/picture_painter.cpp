#include "qtui/picture_painter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "qtui/fonts.h"

namespace qtui {

QColor ToQColor(forms::Colour colour) {
  if (forms::IsSystemColour(colour)) {
    const QPalette palette = QGuiApplication::palette();
    switch (colour) {
      case forms::kWindowBackground:
        return palette.color(QPalette::Base);
      case forms::kButtonFace:
        return palette.color(QPalette::Button);
      default:
        return palette.color(QPalette::Window);
    }
  }
  return QColor(static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>(colour & 0xFF));
}

void PaintDrawing(QPainter& painter, const std::vector<forms::DrawOp>& drawing, const QSizeF& pixels) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const forms::DrawOp& op : drawing) {
    const forms::UserScale& s = op.scale;
    if (s.width == 0 || s.height == 0) continue;
    auto map = [&](double x, double y) {
      return QPointF((x - s.left) / s.width * pixels.width(), (y - s.top) / s.height * pixels.height());
    };
    const QColor colour = ToQColor(op.colour);
    const QPointF a = map(op.x1, op.y1);
    const QPointF b = map(op.x2, op.y2);
    switch (op.kind) {
      case forms::DrawOp::Kind::Text: {
        const QFont font = ToQFont(op.font);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(a.x(), a.y() + QFontMetricsF(font).ascent()), ToQString(op.text));
        break;
      }
      case forms::DrawOp::Kind::Line:
        painter.setPen(QPen(colour, 0));
        painter.drawLine(a, b);
        break;
      case forms::DrawOp::Kind::Box:
        painter.setPen(QPen(colour, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(a, b).normalized());
        break;
      case forms::DrawOp::Kind::FilledBox:
        painter.fillRect(QRectF(a, b).normalized(), colour);
        break;
    }
  }
  painter.restore();
}

QImage RenderDrawing(const forms::PictureBox& box) {
  const QSize size(std::max(1, ToPixels(box.Width())), std::max(1, ToPixels(box.Height())));
  QImage image(size, QImage::Format_RGB32);
  image.fill(ToQColor(box.BackColor()));
  QPainter painter(&image);
  PaintDrawing(painter, box.Drawing(), QSizeF(size));
  return image;
}

}  // namespace qtui
