// Picture files, picture box painting, the clipboard and font metrics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <string>

#include "forms/controls.h"
#include "qtui/fonts.h"
#include "qtui/picture_loader.h"
#include "qtui/picture_painter.h"
#include "qtui/qt_platform.h"
#include "sample_form.h"

namespace {

// A small enhanced metafile: header, a 80 x 30 rectangle, end of file.
std::string MakeEmf() {
  std::string b;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&](std::uint16_t v) {
    for (int i = 0; i < 2; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  u32(1), u32(88);                                       // EMR_HEADER, size
  u32(0), u32(0), u32(99), u32(49);                      // bounds
  u32(0), u32(0), u32(2640), u32(1320);                  // frame (0.01 mm)
  u32(0x464D4520), u32(0x10000);                         // " EMF", version
  u32(88 + 24 + 20), u32(3), u16(1), u16(0);             // bytes, records, handles
  u32(0), u32(0), u32(0);                                // description, palette
  u32(1024), u32(768), u32(270), u32(203);               // device pixels and millimetres
  u32(43), u32(24), u32(10), u32(10), u32(90), u32(40);  // EMR_RECTANGLE
  u32(14), u32(20), u32(0), u32(16), u32(20);            // EMR_EOF
  return b;
}

class PicturesTest : public ::testing::Test {
 protected:
  std::string Write(const QString& name, const std::string& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return dir.filePath(name).toStdString();
  }
  QTemporaryDir dir;
  qtui::QtPlatform platform;
};

TEST_F(PicturesTest, BitmapsSvgAndMetafilesLoad) {
  QImage png(20, 10, QImage::Format_RGB32);
  png.fill(Qt::red);
  ASSERT_TRUE(png.save(dir.filePath("front.png")));
  ASSERT_TRUE(png.save(dir.filePath("slide.bmp")));
  const std::string svg = Write("chart.svg",
                                "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                                "<rect width='40' height='20' fill='blue'/></svg>");
  const std::string emf = Write("FrontPic.emf", MakeEmf());
  const std::string bad = Write("notes.emf", "just some text");

  EXPECT_TRUE(platform.CanLoadPicture(dir.filePath("front.png").toStdString()));
  EXPECT_TRUE(platform.CanLoadPicture(dir.filePath("SLIDE.BMP").toStdString()));  // any letter case
  EXPECT_TRUE(platform.CanLoadPicture(svg));
  EXPECT_TRUE(platform.CanLoadPicture(emf));
  EXPECT_FALSE(platform.CanLoadPicture(bad));
  EXPECT_FALSE(platform.CanLoadPicture(dir.filePath("missing.png").toStdString()));
  EXPECT_FALSE(platform.CanLoadPicture(Write("cut.emf", MakeEmf().substr(0, 60))));

  auto metafile = qtui::Picture::Load(emf);
  ASSERT_TRUE(metafile.has_value());
  EXPECT_EQ(metafile->NaturalSize(), QSizeF(99, 49));
  QImage drawn(99, 49, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  metafile->Paint(painter, QRectF(0, 0, 99, 49));
  painter.end();
  EXPECT_EQ(drawn.pixelColor(50, 25), QColor(Qt::black));  // inside the rectangle
  EXPECT_EQ(drawn.pixelColor(3, 3), QColor(Qt::white));
}

TEST_F(PicturesTest, MalformedMetafilesAreRefusedBeforeConversion) {
  auto withWord = [](std::size_t at, std::uint32_t v) {
    std::string b = MakeEmf();
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
  };
  EXPECT_TRUE(qtui::CheckedMetafileLength(MakeEmf()).has_value());
  const std::string cases[] = {
      withWord(60, 0x1000),          // description longer than the header
      withWord(92, 10),              // a record size that is no multiple of four
      withWord(92, 0x1000),          // a record beyond the end of the file
      withWord(88, 0x7FFF),          // no such record type
      MakeEmf().substr(0, 88 + 24),  // no EMR_EOF
  };
  for (const std::string& bytes : cases) {
    EXPECT_FALSE(qtui::CheckedMetafileLength(bytes).has_value());
    EXPECT_FALSE(qtui::Picture::FromBytes(bytes).has_value());
  }
}

TEST_F(PicturesTest, AnImageControlShowsItsPictureStretched) {
  qtui_test::DialogForm form(platform);
  platform.SetEndWhenLastFormUnloaded(false);
  forms::Image image(form, "imgFront");
  image.Move(0, 0, 600, 300);
  QImage png(4, 4, QImage::Format_RGB32);
  png.fill(Qt::green);
  ASSERT_TRUE(png.save(dir.filePath("g.png")));
  image.SetStretch(true);
  image.SetPicture(dir.filePath("g.png").toStdString());
  form.Show();
  const QImage shown = platform.WidgetOf(image)->grab().toImage();
  EXPECT_EQ(shown.size(), QSize(qtui::ToPixels(600), qtui::ToPixels(300)));
  EXPECT_EQ(shown.pixelColor(shown.width() - 5, shown.height() - 5), QColor(Qt::green));
}

TEST_F(PicturesTest, DrawingMapsUserCoordinatesOntoThePixels) {
  qtui_test::SampleForm form(platform);
  platform.SetEndWhenLastFormUnloaded(false);
  forms::PictureBox& pic = form.picChart;                 // 2400 x 1500 twips
  pic.Scale(0, 100, 100, 0);                              // y grows upwards
  pic.DrawBox(50, 50, 100, 0, forms::QBColor(12), true);  // lower right quarter, red
  pic.DrawLine(0, 100, 100, 100, forms::QBColor(1));      // along the top edge
  form.Show();
  const QImage shown = platform.WidgetOf(pic)->grab().toImage();
  const QSize size(qtui::ToPixels(2400), qtui::ToPixels(1500));
  EXPECT_EQ(shown.size(), size);
  EXPECT_EQ(shown.pixelColor(size.width() * 3 / 4, size.height() * 3 / 4), QColor(0xFF, 0, 0));
  EXPECT_EQ(shown.pixelColor(size.width() / 4, size.height() / 4), QColor(Qt::white));
  EXPECT_EQ(shown.pixelColor(size.width() / 4, 0), QColor(0, 0, 0x80));

  platform.PutClipboardPicture(pic);
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), size);
  EXPECT_EQ(copied.pixelColor(size.width() * 3 / 4, size.height() * 3 / 4), QColor(0xFF, 0, 0));
  platform.ClearClipboard();
  EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(PicturesTest, PrintedTextStartsAtItsUpperLeftCorner) {
  qtui_test::SampleForm form(platform);
  form.picChart.SetCurrentX(300);
  form.picChart.SetCurrentY(300);  // twips
  form.picChart.Print("M", false);
  // The text's width comes from the same metrics that draw it.
  EXPECT_NEAR(form.picChart.CurrentX() - 300, platform.TextWidthTwips(forms::Font{}, "M"), 1e-9);
  const QImage image = qtui::RenderDrawing(form.picChart);
  int firstInk = -1;
  for (int y = 0; y < image.height() && firstInk < 0; ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != QColor(Qt::white)) {
        firstInk = y;
        break;
      }
  EXPECT_GE(firstInk, qtui::ToPixels(300));
  EXPECT_LE(firstInk, qtui::ToPixels(300) + 4);
}

TEST(FontMetrics, WindowsFontsMapToInstalledFontsOfSimilarMetrics) {
  qtui::QtPlatform platform;
  forms::Font sans;
  EXPECT_EQ(QFontInfo(qtui::ToQFont(sans)).family(), "DejaVu Sans");
  EXPECT_NEAR(qtui::ToQFont(sans).pointSizeF(), 8.25, 1e-9);  // its own size
  // Twips of the layout: pixels times 15 over the layout's scale, which the
  // stand-in font's width sets.
  const double scale = qtui::LayoutScale();
  EXPECT_GT(scale, 1.1);
  EXPECT_LT(scale, 1.3);
  const double width = platform.TextWidthTwips(sans, "Foundation");
  EXPECT_DOUBLE_EQ(width, QFontMetricsF(qtui::ToQFont(sans)).horizontalAdvance("Foundation") * 15 / scale);
  EXPECT_GT(width, 700);  // about 10 characters of 5 to 6 pixels of the font the windows are laid out for
  EXPECT_LT(width, 1000);
  const double height = platform.TextHeightTwips(sans);
  EXPECT_GT(height, 150);  // a line of about 13 pixels
  EXPECT_LT(height, 225);
  forms::Font bold = sans;
  bold.Bold = true;
  EXPECT_GT(platform.TextWidthTwips(bold, "Foundation"), width);

  forms::Font mono{"Courier New", 10};
  EXPECT_TRUE(QFontInfo(qtui::ToQFont(mono)).fixedPitch());
  EXPECT_DOUBLE_EQ(platform.TextWidthTwips(mono, "iiii"), platform.TextWidthTwips(mono, "MMMM"));
}

}  // namespace
