#pragma once
// For tests that drive a window through its real Qt widgets: letting the
// window thread work until a window is ready, answering the modal dialog
// that a click opens (a file dialog as the user does), and keeping pictures
// of the windows for a person to look at. Pictures are written only when OSTREVO_SHOTS names
// a folder (run the test under xvfb-run with QT_QPA_PLATFORM=xcb for what
// a user sees); without it the tests run as any other.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

namespace testsupport {

// Processes the window thread's events until `ready` holds. There is no
// time limit, so a busy machine only makes the wait longer; a state that
// never comes ends the test at ctest's timeout.
template <class Ready>
void ProcessEventsUntil(Ready ready) {
  while (!ready()) {
    QApplication::processEvents();
    QThread::msleep(1);
  }
}

// Runs `act` once on the first modal widget of type W shown from now on
// (a message box, a file dialog), looking every 20 ms until one is shown:
// there is no time limit, so a busy machine only makes the wait longer.
// `act` must close the widget.
template <class W>
void WhenModal(std::function<void(W&)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
    if (modal == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(*modal);
  });
  timer->start(20);
}

// Answers a file dialog as the user does: once it is the active window,
// types `answer` over what its name box holds and presses its Open or Save
// button. Calling the dialog's selectFile instead loses to a name the
// program preset whenever the name box already has the focus (the dialog
// keeps what the user may be typing), so the preset would be returned.
// Gives "" when the dialog returned the typed path (a name alone is taken
// in the dialog's folder); otherwise what it did instead, after cancelling
// it.
inline std::string AnswerFileDialog(QFileDialog& dialog, const std::string& answer) {
  ProcessEventsUntil([&dialog] { return dialog.isActiveWindow(); });
  const QString typed = QString::fromStdString(answer);
  const QString wanted = QDir(dialog.directory()).absoluteFilePath(typed);
  auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
  auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
  QPushButton* accept = buttons == nullptr
                            ? nullptr
                            : buttons->button(dialog.acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                             : QDialogButtonBox::Open);
  if (name == nullptr || accept == nullptr) {
    dialog.reject();
    return "the file dialog for " + answer + " has no name box or no accept button";
  }
  // Where the file's folder exists, the user types the file's name in it,
  // going there first (its path typed, then Return) when the dialog shows
  // another folder: a whole path typed at once may leave the dialog in the
  // folder it names instead.
  const QFileInfo target(wanted);
  const QFileInfo targetFolder(target.absolutePath());
  QString typedName = typed;
  if (targetFolder.isDir()) {
    if (QFileInfo(dialog.directory().absolutePath()) != targetFolder) {
      QTest::mouseClick(name, Qt::LeftButton);
      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(name, targetFolder.absoluteFilePath());
      QTest::keyClick(name, Qt::Key_Return);
      ProcessEventsUntil([&] { return QFileInfo(dialog.directory().absolutePath()) == targetFolder; });
    }
    typedName = target.fileName();
  }
  QTest::mouseClick(name, Qt::LeftButton);
  QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(name, typedName);
  // The names the box proposes while typing close with Escape, as the user
  // closes them before reaching for the button.
  if (QCompleter* names = name->completer(); names != nullptr && names->popup()->isVisible())
    QTest::keyClick(names->popup(), Qt::Key_Escape);
  QString returned;
  const auto chosen =
      QObject::connect(&dialog, &QFileDialog::fileSelected, [&returned](const QString& file) { returned = file; });
  QTest::mouseClick(accept, Qt::LeftButton);
  QObject::disconnect(chosen);
  if (dialog.result() == QDialog::Accepted && QFileInfo(returned).absoluteFilePath() == wanted) return "";
  const std::string instead = "the file dialog returned \"" + returned.toStdString() + "\" for the typed \"" + answer +
                              "\" (its name box holds \"" + name->text().toStdString() + "\")";
  if (dialog.isVisible()) dialog.reject();
  return instead;
}

// A picture of `widget` as it stands, saved as <OSTREVO_SHOTS>/<name>.png.
inline QImage Shot(QWidget* widget, const std::string& name) {
  QApplication::processEvents();
  QImage image = widget->grab().toImage();
  const QString folder = qEnvironmentVariable("OSTREVO_SHOTS");
  if (!folder.isEmpty() && QDir().mkpath(folder))
    image.save(QDir(folder).filePath(QString::fromStdString(name) + ".png"));
  return image;
}

}  // namespace testsupport
