#pragma once
// Loading a picture file: bitmaps, PNG and JPEG (QImageReader), SVG
// (QSvgRenderer) and enhanced metafiles (converted to SVG by libemf2svg).
// The one place that reads pictures, for Image controls and CanLoadPicture.
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <memory>
#include <optional>
#include <string>

class QPainter;
class QSvgRenderer;

namespace qtui {

class Picture {
 public:
  // The picture in the file (found case-insensitively), or nullopt when the
  // file is missing or holds no picture that can be shown.
  static std::optional<Picture> Load(const std::string& path);
  // Loads from the file's bytes.
  static std::optional<Picture> FromBytes(const std::string& bytes);

  // The size in pixels at which the picture is drawn unstretched.
  QSizeF NaturalSize() const;
  void Paint(QPainter& painter, const QRectF& target) const;

 private:
  QImage image_;
  std::shared_ptr<QSvgRenderer> vector_;
};

// True when the bytes start like an enhanced metafile (EMR_HEADER, " EMF").
bool IsEnhancedMetafile(const std::string& bytes);
// The length of the metafile up to its EMR_EOF record when its header and
// every record lie inside the bytes; nullopt when malformed.
std::optional<std::size_t> CheckedMetafileLength(const std::string& bytes);
// The SVG text of an enhanced metafile, or nullopt when it is malformed or
// cannot be converted.
std::optional<std::string> EnhancedMetafileToSvg(const std::string& bytes);

}  // namespace qtui
