#include "qtui/fonts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>

namespace qtui {

namespace {

constexpr double kMinFitPoints = 6.0;

// The 52 letters a-z, A-Z in MS Sans Serif 8.25 points at 96 dpi span 294
// pixels (5.65 a letter; its dialog base unit is 6 pixels).
constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr double kLettersWidthPixels = 294.0;

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
};

FontFace FaceFor(const std::string& name) {
  const std::string n = Lower(name);
  if (n.empty() || n == "ms sans serif" || n == "ms shell dlg" || n == "ms shell dlg 2" || n == "system")
    return {"DejaVu Sans", QFont::SansSerif};
  if (n == "courier new" || n == "courier" || n == "fixedsys" || n == "terminal" || n == "lucida console")
    return {"DejaVu Sans Mono", QFont::TypeWriter};
  if (n == "arial" || n == "helvetica" || n == "tahoma" || n == "verdana" || n == "ms reference sans serif")
    return {"DejaVu Sans", QFont::SansSerif};
  if (n == "times new roman" || n == "times" || n == "ms serif") return {"DejaVu Serif", QFont::Serif};
  return {nullptr, QFont::AnyStyle};
}

}  // namespace

double LayoutScale() {
  // Measured once a Qt application exists; atomic, as a calculation thread
  // may ask for text widths too.
  static std::atomic<double> scale{0};
  if (const double known = scale.load(std::memory_order_relaxed); known > 0) return known;
  if (QGuiApplication::instance() == nullptr) return 1.0;
  const double width = QFontMetricsF(ToQFont(forms::Font{})).horizontalAdvance(QString::fromLatin1(kLetters));
  const double measured = std::clamp(width / kLettersWidthPixels, 1.0, 1.5);
  scale.store(measured, std::memory_order_relaxed);
  return measured;
}

int ToPixels(int twips) { return static_cast<int>(std::lround(twips * LayoutScale() / kTwipsPerPixel)); }

// The edges are converted, so controls that meet in twips meet in pixels.
QRect ToPixels(int left, int top, int width, int height) {
  const int x = ToPixels(left), y = ToPixels(top);
  return QRect(x, y, std::max(0, ToPixels(left + width) - x), std::max(0, ToPixels(top + height) - y));
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

std::string ToStdString(const QString& text) { return text.toStdString(); }

QFont ToQFont(const forms::Font& font) {
  const FontFace face = FaceFor(font.Name);
  QFont q;
  q.setFamily(face.family != nullptr ? QString::fromLatin1(face.family) : ToQString(font.Name));
  q.setStyleHint(face.hint);
  const double points = font.Size > 0 ? font.Size : 8.25;
  q.setPointSizeF(points * PointScale());
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  return q;
}

double TextWidthTwips(const forms::Font& font, const std::string& text) {
  return QFontMetricsF(ToQFont(font)).horizontalAdvance(ToQString(text)) * kTwipsPerPixel / LayoutScale();
}

double TextHeightTwips(const forms::Font& font) {
  return QFontMetricsF(ToQFont(font)).lineSpacing() * kTwipsPerPixel / LayoutScale();
}

QFont FitFont(const QFont& font, const QString& text, const QSizeF& room, bool wrap) {
  auto fits = [&](const QFont& f) {
    QFontMetricsF fm(f);
    if (!wrap) return fm.horizontalAdvance(text) <= room.width() + 0.5;
    QRectF used = fm.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, text);
    return used.width() <= room.width() + 0.5 && used.height() <= std::max(room.height(), fm.lineSpacing()) + 0.5;
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
