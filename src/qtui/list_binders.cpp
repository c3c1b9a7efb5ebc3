// Binders of the list controls: a QListWidget for a list box and an
// editable QComboBox for a drop-down. Rows chosen by the user go to the
// model as SetListIndex (raising Click); typed drop-down text as TypeText.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
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

class ListBoxBinder : public Binder {
 public:
  ListBoxBinder(forms::Control& control, QWidget* parent) : Binder(control), list_(new QListWidget(parent)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    SetWidget(list_);
    Route(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
      auto* l = As<forms::ListBox>();
      if (l == nullptr || row < -1 || row >= l->ListCount()) return;
      Call([l, row] { l->SetListIndex(row); });
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
      auto* l = As<forms::ListBox>();
      Call([l] { l->DblClick(); });
    });
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
      auto* l = As<forms::ListBox>();
      if (syncing_ || l == nullptr) return;
      Call([l, top] { l->SetTopIndex(top); });
    });
  }

 protected:
  void Update(forms::Prop what) override {
    switch (what) {
      case forms::Prop::Items: ShowRows(); break;
      case forms::Prop::ListIndex: ShowIndex(); break;
      case forms::Prop::TopIndex: ShowTop(); break;
      default: break;
    }
  }
  void SyncAll() override {
    ShowRows();
    ShowTop();
  }

 private:
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
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    combo_->setMaxVisibleItems(8);
    SetWidget(combo_);
    Route(combo_);
    connect(combo_, &QComboBox::activated, this, [this](int row) {
      auto* c = As<forms::ComboBox>();
      if (c == nullptr || row < 0 || row >= c->ListCount()) return;
      if (Call([c, row] { c->SetListIndex(row); })) ShowText();
    });
    connect(combo_->lineEdit(), &QLineEdit::textEdited, this, [this] { PushText(); });
  }

 protected:
  void Update(forms::Prop what) override {
    switch (what) {
      case forms::Prop::Items: ShowRows(); break;
      case forms::Prop::ListIndex: ShowIndex(); break;
      case forms::Prop::Text: ShowText(); break;
      default: break;
    }
  }
  void SyncAll() override { ShowRows(); }

  bool CharTyped(QKeyEvent* event, int typed, int result) override {
    (void)event;
    if (result == 0) return true;
    if (result == typed) return false;
    if (result == 8) {
      combo_->lineEdit()->backspace();
    } else if (result >= 32) {
      combo_->lineEdit()->insert(QString(QChar(result)));
    }
    PushText();
    return true;
  }

 private:
  void PushText() {
    auto* c = As<forms::ComboBox>();
    if (c == nullptr) return;
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

  void ShowText() {
    const QString text = ToQString(As<forms::ComboBox>()->Text());
    if (combo_->lineEdit()->text() == text) return;
    QSignalBlocker block(combo_);
    QSignalBlocker blockEdit(combo_->lineEdit());
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
