// Binders of the list controls: a QListWidget for a list box and a
// QComboBox for a drop-down (editable, or a drop-down list that takes no
// typing). A user's click on a row goes to the model as ClickRow (Click
// runs, also for the row already chosen); a row reached by the keyboard as
// SetListIndex (Click runs on a change); typed drop-down text as TypeText.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "qtui/binder.h"
#include "qtui/fonts.h"

namespace qtui {

namespace {

std::vector<std::string> Rows(const forms::ListControl& list) {
  std::vector<std::string> rows;
  rows.reserve(static_cast<size_t>(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) rows.push_back(list.List(i));
  return rows;
}

// Qt makes the first row current when the focus enters a list without
// one; here the focus chooses nothing, the model's row stays.
class ListWidget : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const QModelIndex before = currentIndex();
    QSignalBlocker block(this);
    QListWidget::focusInEvent(event);
    if (currentIndex() != before) selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
  }
};

class ListBoxBinder : public Binder {
 public:
  ListBoxBinder(forms::Control& control, QWidget* parent) : Binder(control), list_(new ListWidget(parent)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    SetWidget(list_);
    Route(list_);
    list_->viewport()->installEventFilter(this);
    // Rows reached by the keyboard.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
      auto* l = As<forms::ListBox>();
      if (syncing_ || l == nullptr || row < -1 || row >= l->ListCount()) return;
      Call([l, row] { l->SetListIndex(row); });
    });
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
      auto* l = As<forms::ListBox>();
      if (syncing_ || l == nullptr) return;
      Call([l, top] { l->SetTopIndex(top); });
    });
  }

 protected:
  // The mouse on the rows: a press is the user's click on the row under it
  // (the focus comes first), a double-click the DblClick of the row chosen.
  // Qt's own handling is left out, so a drag never walks through the rows.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != list_->viewport() || Model() == nullptr) return Binder::eventFilter(watched, event);
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton) return true;
        if (list_->focusPolicy() != Qt::NoFocus) list_->setFocus(Qt::MouseFocusReason);
        auto* l = As<forms::ListBox>();
        const int row = list_->indexAt(me->position().toPoint()).row();
        if (l == nullptr || row < 0 || row >= l->ListCount()) return true;
        if (event->type() == QEvent::MouseButtonPress || row != l->ListIndex()) {
          if (!Call([l, row] { l->ClickRow(row); })) return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) Call([l] { l->DblClick(); });
        return true;
      }
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
        return true;
      default:
        return Binder::eventFilter(watched, event);
    }
  }

  void Update(forms::Prop what) override {
    switch (what) {
      case forms::Prop::Items:
        ShowRows();
        break;
      case forms::Prop::ListIndex:
        ShowIndex();
        break;
      case forms::Prop::TopIndex:
        ShowTop();
        break;
      case forms::Prop::Style:
        ShowWrap();
        break;
      default:
        break;
    }
  }
  void SyncAll() override {
    ShowWrap();
    ShowRows();
    ShowTop();
  }

 private:
  // Rows wrapped at the list's width (each row as tall as its lines), or
  // one line each with a horizontal scroll bar when one is wider.
  void ShowWrap() {
    const bool wrap = As<forms::ListBox>()->WordWrap();
    if (wrap == list_->wordWrap()) return;
    list_->setWordWrap(wrap);
    list_->setUniformItemSizes(!wrap);
    list_->setTextElideMode(wrap ? Qt::ElideNone : Qt::ElideRight);
    list_->setResizeMode(wrap ? QListView::Adjust : QListView::Fixed);
    list_->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  }

  // Updates only the rows that differ from what is shown.
  void ShowRows() {
    const auto& l = *As<forms::ListBox>();
    syncing_ = true;
    {
      QSignalBlocker block(list_);
      const int count = l.ListCount();
      while (static_cast<int>(shown_.size()) > count) {
        delete list_->takeItem(static_cast<int>(shown_.size()) - 1);
        shown_.pop_back();
      }
      for (int i = 0; i < count; ++i) {
        const std::string& row = l.List(i);
        if (i < static_cast<int>(shown_.size())) {
          if (shown_[static_cast<size_t>(i)] != row) {
            list_->item(i)->setText(ToQString(row));
            shown_[static_cast<size_t>(i)] = row;
          }
        } else {
          list_->addItem(ToQString(row));
          shown_.push_back(row);
        }
      }
    }
    syncing_ = false;
    ShowIndex();
  }

  void ShowIndex() {
    const int index = As<forms::ListBox>()->ListIndex();
    syncing_ = true;
    {
      QSignalBlocker block(list_);
      if (index < 0) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
      } else if (index < list_->count()) {
        list_->setCurrentRow(index);
        list_->scrollToItem(list_->item(index));
      }
    }
    syncing_ = false;
  }

  void ShowTop() {
    const int top = As<forms::ListBox>()->TopIndex();
    if (top < 0 || top >= list_->count()) return;
    syncing_ = true;
    list_->scrollToItem(list_->item(top), QAbstractItemView::PositionAtTop);
    syncing_ = false;
  }

  QListWidget* list_;
  std::vector<std::string> shown_;
  bool syncing_ = false;
};

class ComboBoxBinder : public Binder {
 public:
  ComboBoxBinder(forms::Control& control, QWidget* parent) : Binder(control), combo_(new QComboBox(parent)) {
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setMaxVisibleItems(8);
    SetWidget(combo_);
    Route(combo_);
    ShowStyle();
    // A row chosen in the list, by the mouse or by the keyboard.
    connect(combo_, &QComboBox::activated, this, [this](int row) {
      auto* c = As<forms::ComboBox>();
      if (c == nullptr || row < 0 || row >= c->ListCount()) return;
      if (Call([c, row] { c->ClickRow(row); })) ShowIndex();
    });
  }

 protected:
  void Update(forms::Prop what) override {
    switch (what) {
      case forms::Prop::Items:
        ShowRows();
        break;
      case forms::Prop::ListIndex:
        ShowIndex();
        break;
      case forms::Prop::Text:
        ShowText();
        break;
      case forms::Prop::Style:
        ShowStyle();
        ShowIndex();
        break;
      default:
        break;
    }
  }
  void SyncAll() override { ShowRows(); }

  bool CharTyped(QKeyEvent* event, int typed, int result) override {
    (void)event;
    if (result == 0) return true;
    if (result == typed) return false;
    QLineEdit* edit = combo_->lineEdit();
    if (edit == nullptr) return true;  // a drop-down list takes no replaced character
    if (result == 8) {
      edit->backspace();
    } else if (result >= 32) {
      edit->insert(QString(QChar(result)));
    }
    PushText();
    return true;
  }

 private:
  // Editable or a drop-down list, as the model's style says.
  void ShowStyle() {
    const bool editable = As<forms::ComboBox>()->Style() == forms::ComboStyle::DropDownCombo;
    if (editable == combo_->isEditable()) return;
    QSignalBlocker block(combo_);
    combo_->setEditable(editable);
    if (editable) {
      combo_->setCompleter(nullptr);
      connect(combo_->lineEdit(), &QLineEdit::textEdited, this, [this] { PushText(); });
    }
  }

  void PushText() {
    auto* c = As<forms::ComboBox>();
    if (c == nullptr || combo_->lineEdit() == nullptr) return;
    const std::string text = ToStdString(combo_->lineEdit()->text());
    Call([c, &text] { c->TypeText(text); });
  }

  void ShowRows() {
    const auto& c = *As<forms::ComboBox>();
    std::vector<std::string> rows = Rows(c);
    if (rows != shown_) {
      QSignalBlocker block(combo_);
      combo_->clear();
      for (const std::string& row : rows) combo_->addItem(ToQString(row));
      shown_ = std::move(rows);
    }
    ShowIndex();
  }

  void ShowIndex() {
    const int index = As<forms::ComboBox>()->ListIndex();
    {
      QSignalBlocker block(combo_);
      if (index < combo_->count()) combo_->setCurrentIndex(index);
    }
    ShowText();
  }

  // The text of an editable drop-down (a drop-down list shows its row).
  void ShowText() {
    QLineEdit* edit = combo_->lineEdit();
    if (edit == nullptr) return;
    const QString text = ToQString(As<forms::ComboBox>()->Text());
    if (edit->text() == text) return;
    QSignalBlocker block(combo_);
    QSignalBlocker blockEdit(edit);
    combo_->setEditText(text);
  }

  QComboBox* combo_;
  std::vector<std::string> shown_;
};

}  // namespace

std::unique_ptr<Binder> MakeListBoxBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<ListBoxBinder>(control, parent);
}
std::unique_ptr<Binder> MakeComboBoxBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<ComboBoxBinder>(control, parent);
}

}  // namespace qtui
