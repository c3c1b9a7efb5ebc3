// Binders of the controls that show a caption: command buttons, labels,
// check boxes, option buttons and frames.
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

#include "forms/controls.h"
#include "forms/menu.h"
#include "qtui/binder.h"
#include "qtui/fonts.h"
#include "qtui/picture_painter.h"

namespace qtui {

namespace {

bool IsCaptionProp(forms::Prop p) {
  return p == forms::Prop::Caption || p == forms::Prop::Geometry || p == forms::Prop::Font || p == forms::Prop::Style;
}

// Fills the widget's background with a colour of the model.
void FillBackground(QWidget* widget, forms::Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// A check box or option button answers a click anywhere in its rectangle,
// not only on its indicator and caption.
template <class Base>
class WholeAreaButton : public Base {
 public:
  using Base::Base;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// The room a caption has inside a check box or option button.
double IndicatorRoom(const QWidget* w, QStyle::PixelMetric indicator) {
  const QStyle* style = w->style();
  return style->pixelMetric(indicator, nullptr, w) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) +
         2;
}

class CommandButtonBinder : public Binder {
 public:
  CommandButtonBinder(forms::Control& control, QWidget* parent) : Binder(control), button_(new QPushButton(parent)) {
    button_->setAutoDefault(false);
    SetWidget(button_);
    Route(button_);
    connect(button_, &QPushButton::clicked, this, [this] {
      auto* b = As<forms::CommandButton>();
      Call([b] { b->Click(); });
    });
  }

 protected:
  void Update(forms::Prop what) override {
    if (IsCaptionProp(what)) ShowCaption();
  }
  void SyncAll() override { ShowCaption(); }

 private:
  void ShowCaption() {
    const auto& b = *As<forms::CommandButton>();
    button_->setText(ToQString(b.Caption()));
    const QSizeF room(button_->width() - 8, button_->height() - 4);
    button_->setFont(FitFont(ToQFont(b.Font()), ToQString(forms::PlainCaption(b.Caption())), room, false));
  }
  QPushButton* button_;
};

class LabelBinder : public Binder {
 public:
  LabelBinder(forms::Control& control, QWidget* parent) : Binder(control), label_(new QLabel(parent)) {
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setMargin(0);
    SetWidget(label_);
    label_->installEventFilter(this);
  }

 protected:
  void Update(forms::Prop what) override {
    if (IsCaptionProp(what)) ShowCaption();
    if (what == forms::Prop::BackColor) ShowBackColor();
  }
  void SyncAll() override {
    ShowCaption();
    ShowBackColor();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (IsClickRelease(watched, label_, event)) {
      if (auto* l = As<forms::Label>()) Call([l] { l->Click(); });
    }
    if (watched == label_ && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      if (auto* l = As<forms::Label>()) Call([l] { l->DblClick(); });
    }
    return Binder::eventFilter(watched, event);
  }

 private:
  // Its own back colour, once one is set; until then the container shows
  // through.
  void ShowBackColor() {
    const auto& l = *As<forms::Label>();
    if (l.HasBackColor()) FillBackground(label_, l.BackColor());
  }

  void ShowCaption() {
    const auto& l = *As<forms::Label>();
    const QString text = ToQString(forms::PlainCaption(l.Caption()));
    label_->setText(text);
    label_->setAlignment(ToQtAlignment(l.Alignment()) | Qt::AlignTop);
    if (l.BorderStyle()) {
      label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label_->setLineWidth(1);
    } else {
      label_->setFrameStyle(QFrame::NoFrame);
    }
    const int frame = l.BorderStyle() ? 2 * label_->frameWidth() : 0;
    const QSizeF room(label_->width() - frame, label_->height() - frame);
    label_->setFont(FitFont(ToQFont(l.Font()), text, room, true));
  }
  QLabel* label_;
};

// Check boxes and option buttons: a caption beside an indicator, fitted to
// the room the indicator leaves; a click goes to the model's Click().
template <class ControlModel, class IndicatorWidget>
class IndicatorBinder : public Binder {
 public:
  IndicatorBinder(forms::Control& control, QWidget* parent, QStyle::PixelMetric indicator)
      : Binder(control), box_(new WholeAreaButton<IndicatorWidget>(parent)), indicator_(indicator) {
    SetWidget(box_);
    Route(box_);
    connect(box_, &IndicatorWidget::clicked, this, [this] {
      auto* m = this->template As<ControlModel>();
      if (Call([m] { m->Click(); })) ShowValue();
    });
  }

 protected:
  void Update(forms::Prop what) override {
    if (what == forms::Prop::Value) ShowValue();
    if (IsCaptionProp(what)) ShowCaption();
  }
  void SyncAll() override {
    ShowCaption();
    ShowValue();
  }
  virtual void ShowValue() = 0;
  IndicatorWidget* box_;

 private:
  void ShowCaption() {
    const auto& m = *this->template As<ControlModel>();
    box_->setText(ToQString(m.Caption()));
    const QSizeF room(box_->width() - IndicatorRoom(box_, indicator_), box_->height());
    box_->setFont(FitFont(ToQFont(m.Font()), ToQString(forms::PlainCaption(m.Caption())), room, false));
  }
  QStyle::PixelMetric indicator_;
};

class CheckBoxBinder : public IndicatorBinder<forms::CheckBox, QCheckBox> {
 public:
  CheckBoxBinder(forms::Control& control, QWidget* parent)
      : IndicatorBinder(control, parent, QStyle::PM_IndicatorWidth) {}

 protected:
  void ShowValue() override {
    const int v = As<forms::CheckBox>()->Value();
    QSignalBlocker block(box_);
    box_->setTristate(v == 2);
    box_->setCheckState(v == 0 ? Qt::Unchecked : v == 1 ? Qt::Checked : Qt::PartiallyChecked);
  }
};

// Option buttons are exclusive by the model's rule (same container), not by
// Qt's auto-exclusivity.
class OptionButtonBinder : public IndicatorBinder<forms::OptionButton, QRadioButton> {
 public:
  OptionButtonBinder(forms::Control& control, QWidget* parent)
      : IndicatorBinder(control, parent, QStyle::PM_ExclusiveIndicatorWidth) {
    box_->setAutoExclusive(false);
  }

 protected:
  void ShowValue() override {
    QSignalBlocker block(box_);
    box_->setChecked(As<forms::OptionButton>()->Value());
  }
};

// A frame fills its rectangle with its back colour: laid over other
// controls it hides them.
class FrameBinder : public Binder {
 public:
  FrameBinder(forms::Control& control, QWidget* parent) : Binder(control), box_(new QGroupBox(parent)) {
    SetWidget(box_);
  }

 protected:
  void Update(forms::Prop what) override {
    if (what == forms::Prop::Caption || what == forms::Prop::BackColor) SyncAll();
  }
  void SyncAll() override {
    const auto& frame = *As<forms::Frame>();
    box_->setTitle(ToQString(frame.Caption()));
    FillBackground(box_, frame.BackColor());
  }

 private:
  QGroupBox* box_;
};

}  // namespace

std::unique_ptr<Binder> MakeCommandButtonBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<CommandButtonBinder>(control, parent);
}
std::unique_ptr<Binder> MakeLabelBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<LabelBinder>(control, parent);
}
std::unique_ptr<Binder> MakeCheckBoxBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<CheckBoxBinder>(control, parent);
}
std::unique_ptr<Binder> MakeOptionButtonBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<OptionButtonBinder>(control, parent);
}
std::unique_ptr<Binder> MakeFrameBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<FrameBinder>(control, parent);
}

}  // namespace qtui
