#include "qtui/fonts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cctype>
#include <cmath>

namespace qtui {

namespace {

constexpr double kMinFitPoints = 6.0;

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Points are given for the screen's logical dpi; the layout assumes 96.
double PointScale() {
  double dpi = 96.0;
  if (QGuiApplication::instance() != nullptr) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInchY();
  }
  return dpi > 0 ? 96.0 / dpi : 1.0;
}

struct FontFace {
  const char* family;
  QFont::StyleHint hint;
  double sizeFactor;
};

FontFace FaceFor(const std::string& name) {
  const std::string n = Lower(name);
  if (n.empty() || n == "ms sans serif" || n == "ms shell dlg" || n == "ms shell dlg 2" || n == "system")
    return {"DejaVu Sans", QFont::SansSerif, 8.0 / 8.25};
  if (n == "courier new" || n == "courier" || n == "fixedsys" || n == "terminal" || n == "lucida console")
    return {"DejaVu Sans Mono", QFont::TypeWriter, 1.0};
  if (n == "arial" || n == "helvetica" || n == "tahoma" || n == "verdana" || n == "ms reference sans serif")
    return {"DejaVu Sans", QFont::SansSerif, 1.0};
  if (n == "times new roman" || n == "times" || n == "ms serif")
    return {"DejaVu Serif", QFont::Serif, 1.0};
  return {nullptr, QFont::AnyStyle, 1.0};
}

}  // namespace

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect ToPixels(int left, int top, int width, int height) {
  return QRect(ToPixels(left), ToPixels(top), std::max(0, ToPixels(width)), std::max(0, ToPixels(height)));
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

std::string ToStdString(const QString& text) { return text.toStdString(); }

QFont ToQFont(const forms::Font& font) {
  const FontFace face = FaceFor(font.Name);
  QFont q;
  q.setFamily(face.family != nullptr ? QString::fromLatin1(face.family) : ToQString(font.Name));
  q.setStyleHint(face.hint);
  const double points = (font.Size > 0 ? font.Size : 8.25) * face.sizeFactor;
  q.setPointSizeF(points * PointScale());
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  return q;
}

double TextWidthTwips(const forms::Font& font, const std::string& text) {
  return QFontMetricsF(ToQFont(font)).horizontalAdvance(ToQString(text)) * kTwipsPerPixel;
}

double TextHeightTwips(const forms::Font& font) {
  return QFontMetricsF(ToQFont(font)).lineSpacing() * kTwipsPerPixel;
}

QFont FitFont(const QFont& font, const QString& text, const QSizeF& room, bool wrap) {
  auto fits = [&](const QFont& f) {
    QFontMetricsF fm(f);
    if (!wrap) return fm.horizontalAdvance(text) <= room.width() + 0.5;
    QRectF used = fm.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, text);
    return used.width() <= room.width() + 0.5 &&
           used.height() <= std::max(room.height(), fm.lineSpacing()) + 0.5;
  };
  if (text.isEmpty() || room.width() <= 0 || fits(font)) return font;
  QFont f = font;
  double size = font.pointSizeF();
  const double floor = std::min(size, kMinFitPoints * PointScale());
  while (size - 0.25 >= floor) {
    size -= 0.25;
    f.setPointSizeF(size);
    if (fits(f)) return f;
  }
  return f;
}

}  // namespace qtui
