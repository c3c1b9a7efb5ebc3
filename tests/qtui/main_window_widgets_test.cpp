// The main window's commands on the real Qt dialogs.
#include <QFileDialog>

#include "app/main_window.h"
#include "real_windows.h"

namespace {

class MainWindowWidgets : public qtui_test::RealWindows {};

// The workbook is written as .xlsx: the dialog offers .xlsx files, and
// still shows .xls ones.
TEST_F(MainWindowWidgets, WorkbookDialogOffersTheFilesItWrites) {
  app::frmMain main(prog, platform, windows);
  main.Show();
  QStringList filters;
  QTimer::singleShot(0, [&filters] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      filters = dialog->nameFilters();
      dialog->reject();
    }
  });
  platform.ActionOf(main.MnuPrintInSumExcel)->trigger();
  EXPECT_EQ(filters, QStringList{"Input Summary (Excel) (*.xlsx *.XLSX *.xls *.XLS)"});
  EXPECT_EQ(messages, std::vector<std::string>{"Cancel was selected."});
}

}  // namespace
