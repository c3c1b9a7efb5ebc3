// The text box binder: a QLineEdit, or a QPlainTextEdit for a multi-line
// box. Typing reaches the model as SetText (raising Change); characters go
// through the KeyPress handlers first, which may swallow or replace them.
// A double-click on a box laid over a grid goes to the grid's cell.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "forms/controls.h"
#include "qtui/binder.h"
#include "qtui/fonts.h"
#include "qtui/picture_painter.h"

namespace qtui {

namespace {

// A multi-line box holds CR LF line ends in the model and "\n" in Qt.
QString ToWidgetText(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

std::string ToModelText(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return ToStdString(text);
}

class TextBoxBinder : public Binder {
 public:
  TextBoxBinder(forms::Control& control, QWidget* parent) : Binder(control), parent_(parent) {
    Build(As<forms::TextBox>()->MultiLine());
  }

 protected:
  void Update(forms::Prop what) override {
    if (what == forms::Prop::Text) ShowText();
    if (what == forms::Prop::BackColor) ShowStyle();
    if (what == forms::Prop::Style) {
      if (As<forms::TextBox>()->MultiLine() != (plain_ != nullptr)) {
        Rebuild();
        return;
      }
      ShowStyle();
    }
  }
  void SyncAll() override {
    ShowStyle();
    ShowText();
  }

  // A box laid over a grid cell passes a double-click on to the cell.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == Widget() && event->type() == QEvent::MouseButtonDblClick && Model() != nullptr) {
      const auto& mouse = *static_cast<QMouseEvent*>(event);
      if (mouse.button() == Qt::LeftButton && PassDoubleClickToGridBeneath(Widget(), mouse)) return true;
    }
    return Binder::eventFilter(watched, event);
  }

  bool CharTyped(QKeyEvent* event, int typed, int result) override {
    (void)event;
    if (result == 0) return true;
    if (result == typed) return false;
    // A handler replaced the character: type the replacement instead.
    if (As<forms::TextBox>()->Locked()) return true;
    userEdit_ = true;
    if (line_ != nullptr) {
      if (result == 8) {
        line_->backspace();
      } else {
        line_->insert(QString(QChar(result)));
      }
    } else if (plain_ != nullptr) {
      QTextCursor cursor = plain_->textCursor();
      if (result == 8) {
        cursor.deletePreviousChar();
      } else {
        cursor.insertText(result == 13 ? QStringLiteral("\n") : QString(QChar(result)));
      }
      plain_->setTextCursor(cursor);
    }
    userEdit_ = false;
    PushText();
    return true;
  }

 private:
  void Build(bool multiLine) {
    line_ = nullptr;
    plain_ = nullptr;
    if (multiLine) {
      plain_ = new QPlainTextEdit(parent_);
      plain_->setTabChangesFocus(true);
      connect(plain_, &QPlainTextEdit::textChanged, this, [this] { PushText(); });
      SetWidget(plain_);
      Route(plain_);
    } else {
      line_ = new QLineEdit(parent_);
      line_->setFrame(true);
      connect(line_, &QLineEdit::textEdited, this, [this] { PushText(); });
      SetWidget(line_);
      Route(line_);
    }
  }

  // Multi-line changed on a shown window: the widget kind changes with it.
  void Rebuild() {
    QWidget* old = Widget();
    Build(As<forms::TextBox>()->MultiLine());
    if (old != nullptr) {
      old->removeEventFilter(this);
      old->disconnect(this);
      old->hide();
      old->deleteLater();
    }
    SyncCommon();
    SyncAll();
  }

  QString WidgetText() const { return line_ != nullptr ? line_->text() : plain_->toPlainText(); }

  // The user's edit: the model takes the widget's text.
  void PushText() {
    auto* box = As<forms::TextBox>();
    if (box == nullptr) return;
    const std::string text = line_ != nullptr ? ToStdString(line_->text()) : ToModelText(plain_->toPlainText());
    userEdit_ = true;
    const bool attached = Call([box, &text] { box->SetText(text); });
    if (attached) userEdit_ = false;
  }

  void ShowText() {
    const auto& box = *As<forms::TextBox>();
    const QString text = line_ != nullptr ? ToQString(box.Text()) : ToWidgetText(box.Text());
    if (text == WidgetText()) {
      // The same text outside an edit: SelectAll asked for the selection.
      if (!userEdit_) {
        if (line_ != nullptr) {
          line_->selectAll();
        } else {
          plain_->selectAll();
        }
      }
      return;
    }
    if (line_ != nullptr) {
      QSignalBlocker block(line_);
      line_->setText(text);
      // A box that only shows what the program puts in (a name) shows it
      // from its start; one the user types in keeps the cursor at the end,
      // where typing goes on.
      if (box.Locked()) line_->setCursorPosition(0);
    } else {
      QSignalBlocker block(plain_);
      plain_->setPlainText(text);
    }
  }

  void ShowStyle() {
    const auto& box = *As<forms::TextBox>();
    if (box.HasBackColor()) {
      QPalette palette = Widget()->palette();
      palette.setColor(QPalette::Base, ToQColor(box.BackColor()));
      Widget()->setPalette(palette);
    }
    const Qt::Alignment align = ToQtAlignment(box.Alignment());
    if (line_ != nullptr) {
      line_->setReadOnly(box.Locked());
      line_->setAlignment(align | Qt::AlignVCenter);
    } else {
      plain_->setReadOnly(box.Locked());
      QTextOption option = plain_->document()->defaultTextOption();
      option.setAlignment(align);
      plain_->document()->setDefaultTextOption(option);
    }
  }

  QWidget* parent_;
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* plain_ = nullptr;
  bool userEdit_ = false;
};

}  // namespace

std::unique_ptr<Binder> MakeTextBoxBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<TextBoxBinder>(control, parent);
}

}  // namespace qtui
