#include "qtui/picture_loader.h"

#include <emf2svg.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdint>
#include <cstdlib>

#include "common/paths.h"

namespace qtui {

namespace {

constexpr std::size_t kEmfHeaderSize = 88;
constexpr std::uint32_t kEmrFirst = 1, kEmrLast = 122, kEmrEof = 14;
constexpr std::size_t kConverterPadding = 4096;

std::uint32_t ReadU32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return v;
}

bool LooksLikeSvg(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f && static_cast<unsigned char>(bytes[1]) == 0x8b)
    return true;  // compressed SVG
  std::size_t i = 0;
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) i = 3;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
  return i < bytes.size() && bytes[i] == '<';
}

QByteArray ToByteArray(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

bool IsEnhancedMetafile(const std::string& bytes) {
  if (bytes.size() < kEmfHeaderSize) return false;
  const std::uint32_t type = ReadU32(bytes, 0);
  const std::uint32_t headerSize = ReadU32(bytes, 4);
  const std::uint32_t signature = ReadU32(bytes, 40);
  return type == 1 && signature == 0x464D4520u && headerSize >= kEmfHeaderSize && headerSize <= bytes.size();
}

std::optional<std::size_t> CheckedMetafileLength(const std::string& bytes) {
  if (!IsEnhancedMetafile(bytes)) return std::nullopt;
  // The header's own strings must lie inside it (the converter trusts them).
  const std::uint64_t headerSize = ReadU32(bytes, 4);
  auto inHeader = [&](std::uint64_t offset, std::uint64_t length) {
    return length == 0 || (offset >= kEmfHeaderSize && offset + length <= headerSize);
  };
  if (!inHeader(ReadU32(bytes, 64), 2ull * ReadU32(bytes, 60))) return std::nullopt;                // description
  if (headerSize >= 100 && !inHeader(ReadU32(bytes, 92), ReadU32(bytes, 88))) return std::nullopt;  // pixel format
  // Every record lies inside the file, the last one being EMR_EOF.
  std::size_t at = 0;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t type = ReadU32(bytes, at);
    const std::uint64_t size = ReadU32(bytes, at + 4);
    if (type < kEmrFirst || type > kEmrLast || size < 8 || size % 4 != 0 || at + size > bytes.size())
      return std::nullopt;
    if (type == kEmrEof) {
      if (size < 20) return std::nullopt;
      const std::uint64_t entries = ReadU32(bytes, at + 8);
      const std::uint64_t offset = ReadU32(bytes, at + 12);
      if (entries != 0 && (offset < 16 || offset + 4 * entries > size - 4)) return std::nullopt;
      return at + size;
    }
    at += size;
  }
  return std::nullopt;
}

std::optional<std::string> EnhancedMetafileToSvg(const std::string& bytes) {
  const std::optional<std::size_t> length = CheckedMetafileLength(bytes);
  if (!length) return std::nullopt;
  // emf2svg takes a mutable buffer; the zero padding keeps a record shorter
  // than its fixed fields from reading beyond the buffer.
  std::string contents(bytes, 0, *length);
  contents.append(kConverterPadding, '\0');
  generatorOptions options{};
  options.nameSpace = nullptr;
  options.verbose = false;
  options.emfplus = true;
  options.svgDelimiter = true;
  char* out = nullptr;
  std::size_t outLength = 0;
  const int ok = emf2svg(contents.data(), *length, &out, &outLength, &options);
  std::unique_ptr<char, decltype(&std::free)> owned(out, &std::free);
  if (!ok || out == nullptr || outLength == 0) return std::nullopt;
  return std::string(out, outLength);
}

std::optional<Picture> Picture::Load(const std::string& path) {
  if (path.empty()) return std::nullopt;
  auto bytes = common::ReadWholeFile(path, nullptr, common::kMaxPictureBytes);
  if (!bytes) return std::nullopt;
  return FromBytes(*bytes);
}

std::optional<Picture> Picture::FromBytes(const std::string& bytes) {
  if (bytes.empty()) return std::nullopt;
  Picture picture;
  std::optional<std::string> svg;
  if (IsEnhancedMetafile(bytes)) {
    svg = EnhancedMetafileToSvg(bytes);
    if (!svg) return std::nullopt;
  } else if (LooksLikeSvg(bytes)) {
    svg = bytes;
  }
  if (svg) {
    auto renderer = std::make_shared<QSvgRenderer>(ToByteArray(*svg));
    if (!renderer->isValid()) return std::nullopt;
    picture.vector_ = std::move(renderer);
    return picture;
  }
  QByteArray data = ToByteArray(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  picture.image_ = std::move(image);
  return picture;
}

QSizeF Picture::NaturalSize() const {
  if (vector_) return QSizeF(vector_->defaultSize());
  return QSizeF(image_.size());
}

void Picture::Paint(QPainter& painter, const QRectF& target) const {
  if (vector_) {
    vector_->render(&painter, target);
  } else if (!image_.isNull()) {
    painter.drawImage(target, image_);
  }
}

}  // namespace qtui
