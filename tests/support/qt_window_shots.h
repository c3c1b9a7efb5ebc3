#pragma once
// For tests that drive a window through its real Qt widgets: letting the
// window thread work until a window is ready, answering the modal dialog
// that a click opens, and keeping pictures of the windows for a person to
// look at. Pictures are written only when OSTREVO_SHOTS names
// a folder (run the test under xvfb-run with QT_QPA_PLATFORM=xcb for what
// a user sees); without it the tests run as any other.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
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
