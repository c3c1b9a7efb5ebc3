// The grid binder: a QTableWidget without headers whose first FixedRows
// rows and FixedCols columns are drawn as grey header cells. The model owns
// the current cell and the scroll position: scrolled-off rows are hidden
// (so the fixed rows stay and the model's cell geometry holds), a scroll
// bar beside the table scrolls through UserScroll, clicks go to ClickCell
// and DblClickCell (also a double-click on an edit box laid over a cell),
// arrow keys move the model's current cell.
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "forms/grid.h"
#include "forms/keys.h"
#include "qtui/binder.h"
#include "qtui/fonts.h"
#include "qtui/key_codes.h"

namespace qtui {

namespace {

const QColor kFixedCell(0xC0, 0xC0, 0xC0);

// The table never scrolls itself: the model decides which rows are shown.
class GridTable : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  void scrollTo(const QModelIndex& index, ScrollHint hint) override { (void)index, (void)hint; }
};

class GridView : public QWidget {
 public:
  explicit GridView(QWidget* parent)
      : QWidget(parent), table(new GridTable(this)), bar(new QScrollBar(Qt::Vertical, this)) {
    bar->hide();
    // A raised thumb on a light groove, so the thumb reads as the thumb.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
      classic->setParent(bar);
      bar->setStyle(classic);
    }
    setFocusProxy(table);
  }
  void Layout() {
    const int barWidth = bar->isHidden() ? 0 : bar->sizeHint().width();
    table->setGeometry(0, 0, std::max(0, width() - barWidth), height());
    bar->setGeometry(width() - barWidth, 0, barWidth, height());
  }
  GridTable* table;
  QScrollBar* bar;

 protected:
  void resizeEvent(QResizeEvent*) override { Layout(); }
};

class GridBinder : public Binder {
 public:
  GridBinder(forms::Control& control, QWidget* parent) : Binder(control), view_(new GridView(parent)) {
    QTableWidget* t = view_->table;
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->horizontalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setMinimumSectionSize(1);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setTabKeyNavigation(false);
    t->setWordWrap(false);
    t->setFrameShape(QFrame::NoFrame);
    t->setFocusPolicy(Qt::StrongFocus);
    SetWidget(view_);
    Route(t);
    t->viewport()->installEventFilter(this);
    connect(view_->bar, &QScrollBar::valueChanged, this, [this](int top) {
      auto* g = As<forms::Grid>();
      if (syncing_ || g == nullptr) return;
      Call([g, top] { g->UserScroll(top); });
    });
  }

 protected:
  void Update(forms::Prop what) override {
    switch (what) {
      case forms::Prop::GridLayout:
        layoutDirty_ = true;
        Schedule();
        break;
      case forms::Prop::Cells:
        cellsDirty_ = true;
        Schedule();
        break;
      case forms::Prop::CurrentCell:
        if (!layoutDirty_) ShowCurrent();
        break;
      case forms::Prop::Geometry:
        layoutDirty_ = true;
        Schedule();
        break;
      default:
        break;
    }
  }
  void SyncAll() override {
    layoutDirty_ = cellsDirty_ = true;
    Refresh();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == view_->table->viewport() && Model() != nullptr) {
      switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
          Refresh();
          auto* me = static_cast<QMouseEvent*>(event);
          if (me->button() != Qt::LeftButton) return true;
          view_->table->setFocus(Qt::MouseFocusReason);
          const QModelIndex index = view_->table->indexAt(me->position().toPoint());
          auto* g = As<forms::Grid>();
          if (g == nullptr || !index.isValid()) return true;
          const int row = index.row(), col = index.column();
          if (row < g->FixedRows() || col < g->FixedCols()) return true;
          if (event->type() == QEvent::MouseButtonPress) {
            Call([g, row, col] { g->ClickCell(row, col); });
          } else {
            Call([g, row, col] { g->DblClickCell(row, col); });
          }
          return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
          return true;
        case QEvent::Wheel: {
          const int rows = -static_cast<QWheelEvent*>(event)->angleDelta().y() / 40;
          if (!view_->bar->isHidden() && rows != 0) view_->bar->setValue(view_->bar->value() + rows);
          return true;
        }
        default:
          break;
      }
    }
    return Binder::eventFilter(watched, event);
  }

  // Arrow and paging keys move the model's current cell.
  bool AfterKeyDown(QKeyEvent* event, int keyCode) override {
    auto* g = As<forms::Grid>();
    if (g == nullptr) return true;
    // A key that the handlers swallowed moves nothing; a character still
    // goes on to KeyPress.
    if (keyCode == 0) return KeyPressAscii(*event) == 0;
    namespace k = forms::keys;
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const int firstRow = g->FixedRows() < g->Rows() ? g->FixedRows() : 0;
    const int firstCol = g->FixedCols() < g->Cols() ? g->FixedCols() : 0;
    int row = g->Row(), col = g->Col();
    switch (keyCode) {
      case k::Up:
        row = std::max(firstRow, row - 1);
        break;
      case k::Down:
        row = std::min(g->Rows() - 1, row + 1);
        break;
      case k::Left:
        col = std::max(firstCol, col - 1);
        break;
      case k::Right:
        col = std::min(g->Cols() - 1, col + 1);
        break;
      case k::PageUp:
        row = std::max(firstRow, row - g->VisibleRows());
        break;
      case k::PageDown:
        row = std::min(g->Rows() - 1, row + g->VisibleRows());
        break;
      case k::Home:
        col = firstCol;
        if (ctrl) row = firstRow;
        break;
      case k::End:
        col = g->Cols() - 1;
        if (ctrl) row = g->Rows() - 1;
        break;
      default:
        return false;
    }
    if (row != g->Row() || col != g->Col()) Call([g, row, col] { g->SetCell(row, col); });
    return true;
  }

  // Characters go to KeyPress only; the table itself does nothing with them.
  bool CharTyped(QKeyEvent* event, int typed, int result) override {
    (void)event, (void)typed, (void)result;
    return true;
  }

  void OnDetached() override { layoutDirty_ = cellsDirty_ = false; }

 private:
  // Many cell changes come at once: they are shown together.
  void Schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
      scheduled_ = false;
      Refresh();
    });
  }

  void Refresh() {
    if (Model() == nullptr) return;
    if (layoutDirty_) ShowLayout();
    if (cellsDirty_) ShowCells();
    ShowCurrent();
  }

  QTableWidgetItem* Item(int row, int col) {
    QTableWidgetItem* item = view_->table->item(row, col);
    if (item == nullptr) {
      item = new QTableWidgetItem();
      item->setFlags(Qt::ItemIsEnabled);
      view_->table->setItem(row, col, item);
    }
    return item;
  }

  void ShowLayout() {
    layoutDirty_ = false;
    cellsDirty_ = true;
    const auto& g = *As<forms::Grid>();
    QTableWidget* t = view_->table;
    syncing_ = true;
    t->setRowCount(g.Rows());
    t->setColumnCount(g.Cols());
    // The cells' edges are converted, so they stand where the model's cell
    // geometry (and a text box laid over a cell) says.
    int edge = 0;
    for (int c = 0; c < g.Cols(); ++c) {
      const int next = edge + g.ColWidth(c);
      t->setColumnWidth(c, ToPixels(next) - ToPixels(edge));
      edge = next;
    }
    edge = 0;
    for (int r = 0; r < g.Rows(); ++r) {
      const int next = edge + g.RowHeight(r);
      t->setRowHeight(r, ToPixels(next) - ToPixels(edge));
      edge = next;
      t->setRowHidden(r, r >= g.FixedRows() && r < g.TopRow());
    }
    for (int r = 0; r < g.Rows(); ++r)
      for (int c = 0; c < g.Cols(); ++c) Style(r, c, false);
    shownRow_ = shownCol_ = -1;
    const int visible = g.VisibleRows();
    const bool scrolls = g.Rows() - g.FixedRows() > visible;
    {
      QSignalBlocker block(view_->bar);
      view_->bar->setRange(g.FixedRows(), std::max(g.FixedRows(), g.Rows() - visible));
      view_->bar->setPageStep(std::max(1, visible));
      view_->bar->setSingleStep(1);
      view_->bar->setValue(g.TopRow());
    }
    view_->bar->setVisible(scrolls);
    view_->Layout();
    syncing_ = false;
  }

  void ShowCells() {
    cellsDirty_ = false;
    const auto& g = *As<forms::Grid>();
    const Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;  // every cell's text
    for (int r = 0; r < g.Rows(); ++r) {
      for (int c = 0; c < g.Cols(); ++c) {
        QTableWidgetItem* item = Item(r, c);
        const QString text = ToQString(g.TextMatrix(r, c));
        if (item->text() != text) item->setText(text);
        if (item->textAlignment() != static_cast<int>(align)) item->setTextAlignment(align);
      }
    }
  }

  void Style(int row, int col, bool current) {
    const auto& g = *As<forms::Grid>();
    QTableWidgetItem* item = Item(row, col);
    const QPalette& pal = view_->table->palette();
    if (current) {
      item->setBackground(pal.brush(QPalette::Highlight));
      item->setForeground(pal.brush(QPalette::HighlightedText));
    } else if (row < g.FixedRows() || col < g.FixedCols()) {
      item->setBackground(kFixedCell);
      item->setForeground(QBrush(Qt::black));
    } else {
      item->setBackground(QBrush());
      item->setForeground(QBrush());
    }
  }

  void ShowCurrent() {
    const auto& g = *As<forms::Grid>();
    if (shownRow_ == g.Row() && shownCol_ == g.Col()) return;
    if (shownRow_ >= 0 && shownRow_ < g.Rows() && shownCol_ >= 0 && shownCol_ < g.Cols())
      Style(shownRow_, shownCol_, false);
    shownRow_ = g.Row();
    shownCol_ = g.Col();
    Style(shownRow_, shownCol_, true);
    view_->table->setCurrentCell(shownRow_, shownCol_, QItemSelectionModel::NoUpdate);
  }

  GridView* view_;
  bool syncing_ = false;
  bool layoutDirty_ = true;
  bool cellsDirty_ = true;
  bool scheduled_ = false;
  int shownRow_ = -1, shownCol_ = -1;
};

}  // namespace

bool PassDoubleClickToGridBeneath(QWidget* box, const QMouseEvent& event) {
  QWidget* parent = box->parentWidget();
  if (parent == nullptr) return false;
  const QPoint at = box->mapToParent(event.position().toPoint());
  // Siblings from the top of the stacking order down: only the widget
  // directly under the box takes the double-click.
  const QObjectList& siblings = parent->children();
  for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
    auto* widget = qobject_cast<QWidget*>(*it);
    if (widget == nullptr || widget == box || !widget->isVisible() || !widget->geometry().contains(at)) continue;
    auto* grid = dynamic_cast<GridView*>(widget);
    if (grid == nullptr) return false;
    QWidget* viewport = grid->table->viewport();
    const QPoint inViewport = viewport->mapFrom(parent, at);
    if (!viewport->rect().contains(inViewport)) return false;
    QMouseEvent dblClick(QEvent::MouseButtonDblClick, inViewport, viewport->mapToGlobal(inViewport), event.button(),
                         event.buttons(), event.modifiers());
    QCoreApplication::sendEvent(viewport, &dblClick);
    return true;
  }
  return false;
}

std::unique_ptr<Binder> MakeGridBinder(forms::Control& control, QWidget* parent) {
  return std::make_unique<GridBinder>(control, parent);
}

}  // namespace qtui
