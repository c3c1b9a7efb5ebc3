// The pictures supplied in data/: the front picture (an enhanced metafile)
// and every slide picture load through the picture loader and draw
// something on a 4:3 area.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <set>
#include <string>

#include "qtui/picture_loader.h"
#include "qtui/qt_platform.h"

namespace {

const std::string kData = std::string(OSTREVO_SOURCE_DIR) + "/data/";

// The number of distinct colours of the picture drawn on a white 400 x 300 image.
int ColoursDrawn(const qtui::Picture& picture) {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.Paint(painter, QRectF(0, 0, 400, 300));
  painter.end();
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

TEST(SamplePictures, FrontPictureIsAMetafileThatDraws) {
  qtui::QtPlatform platform;
  const std::string path = kData + "FrontPic.emf";
  EXPECT_TRUE(platform.CanLoadPicture(path));
  auto picture = qtui::Picture::Load(path);
  ASSERT_TRUE(picture.has_value());
  const QSizeF size = picture->NaturalSize();
  EXPECT_NEAR(size.width() * 3, size.height() * 4, 4);  // 4:3
  EXPECT_GE(ColoursDrawn(*picture), 6);
}

TEST(SamplePictures, EverySlidePictureDraws) {
  int slides = 0;
  for (const char* chapter : {"Ch1", "Ch2"})
    for (const auto& entry : std::filesystem::directory_iterator(kData + chapter)) {
      if (entry.path().extension() != ".svg") continue;
      SCOPED_TRACE(entry.path().string());
      auto picture = qtui::Picture::Load(entry.path().string());
      ASSERT_TRUE(picture.has_value());
      EXPECT_EQ(picture->NaturalSize(), QSizeF(800, 600));
      EXPECT_GE(ColoursDrawn(*picture), 3);
      ++slides;
    }
  EXPECT_GE(slides, 12);
}

}  // namespace
