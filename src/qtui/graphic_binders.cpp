// Binders of the drawn controls: lines, images and picture boxes. An image
// and a picture box answer a click (a press and release of the left button
// on them) with the model's Click.
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "forms/controls.h"
#include "forms/picture_box.h"
#include "qtui/binder.h"
#include "qtui/fonts.h"
#include "qtui/picture_loader.h"
#include "qtui/picture_painter.h"

namespace qtui {

namespace {

// A straight line, one pixel wide, between two points of the widget.
class LineView : public QWidget {
 public:
  explicit LineView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  void SetLine(QPoint from, QPoint to) {
    from_ = from;
    to_ = to;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 0, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(from_, to_);
  }

 private:
  QPoint from_, to_;
};

class LineBinder : public Binder {
 public:
  LineBinder(forms::Control& control, QWidget* parent) : Binder(control), view_(new LineView(parent)) {
    SetWidget(view_);
  }

 protected:
  // The widget covers the line's bounding box, with a pixel to spare.
  void ApplyGeometry() override {
    const auto& l = *As<forms::Line>();
    const QPoint a(ToPixels(l.X1()), ToPixels(l.Y1()));
    const QPoint b(ToPixels(l.X2()), ToPixels(l.Y2()));
    const QRect box = QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
    view_->setGeometry(box);
    view_->SetLine(a - box.topLeft(), b - box.topLeft());
  }
  void Update(forms::Prop) override {}
  void SyncAll() override {}

 private:
  LineView* view_;
};

// A picture from a file, drawn at its natural size or stretched.
class ImageView : public QWidget {
 public:
  explicit ImageView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }
  void SetPicture(std::optional<Picture> picture, bool stretch) {
    picture_ = std::move(picture);
    stretch_ = stretch;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!picture_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = stretch_ ? QRectF(rect()) : QRectF(QPointF(0, 0), picture_->NaturalSize());
    picture_->Paint(p, target);
  }

 private:
  std::optional<Picture> picture_;
  bool stretch_ = false;
};

class ImageBinder : public Binder {
 public:
  ImageBinder(forms::Control& control, QWidget* parent) : Binder(control), view_(new ImageView(parent)) {
    SetWidget(view_);
    view_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (IsClickRelease(watched, view_, event)) {
      if (auto* image = As<forms::Image>()) Call([image] { image->Click(); });
      return true;
    }
    return Binder::eventFilter(watched, event);
  }

  void Update(forms::Prop what) override {
    if (what == forms::Prop::Picture || what == forms::Prop::Style) SyncAll();
  }
  void SyncAll() override {
    const auto& image = *As<forms::Image>();
    view_->SetPicture(Picture::Load(image.PicturePath()), image.Stretch());
  }

 private:
  ImageView* view_;
};

// A picture box paints its drawing list; it also holds controls.
class PictureView : public QWidget {
 public:
  explicit PictureView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }
  void SetModel(const forms::PictureBox* box) {
    box_ = box;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (box_ == nullptr) {
      p.fillRect(rect(), Qt::white);
      return;
    }
    p.fillRect(rect(), ToQColor(box_->BackColor()));
    PaintDrawing(p, box_->Drawing(), QSizeF(size()));
    if (box_->BorderStyle()) {
      p.setPen(QPen(palette().color(QPalette::Dark), 0));
      p.setBrush(Qt::NoBrush);
      p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
  }

 private:
  const forms::PictureBox* box_ = nullptr;
};

class PictureBoxBinder : public Binder {
 public:
  PictureBoxBinder(forms::Control& control, QWidget* parent) : Binder(control), view_(new PictureView(parent)) {
    SetWidget(view_);
    view_->SetModel(As<forms::PictureBox>());
    view_->installEventFilter(this);
  }
  ~PictureBoxBinder() override {
    if (view_) view_->SetModel(nullptr);
  }

 protected:
  void Update(forms::Prop what) override {
    if (what == forms::Prop::Drawing || what == forms::Prop::Style || what == forms::Prop::BackColor) view_->update();
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (IsClickRelease(watched, view_, event)) {
      if (auto* box = As<forms::PictureBox>()) Call([box] { box->Click(); });
      return true;
    }
    return Binder::eventFilter(watched, event);
  }
  void SyncAll() override { view_->update(); }
  void OnDetached() override {
    if (view_) view_->SetModel(nullptr);
  }

 private:
  QPointer<PictureView> view_;
};

}  // namespace

std::unique_ptr<Binder> MakeLineBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<LineBinder>(control, parent);
}
std::unique_ptr<Binder> MakeImageBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<ImageBinder>(control, parent);
}
std::unique_ptr<Binder> MakePictureBoxBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<PictureBoxBinder>(control, parent);
}

}  // namespace qtui
