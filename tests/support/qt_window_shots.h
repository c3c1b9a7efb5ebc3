#pragma once
// For tests that drive a window through its real Qt widgets: answering the
// modal dialog that a click opens, and keeping pictures of the windows for
// a person to look at. Pictures are written only when OSTREVO_SHOTS names
// a folder (run the test under xvfb-run with QT_QPA_PLATFORM=xcb for what
// a user sees); without it the tests run as any other.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace testsupport {

// Runs `act` once on the first modal widget of type W shown from now on
// (a message box, a file dialog), looking every 20 ms for at most 10 s.
// `act` must close the widget.
template <class W>
void WhenModal(std::function<void(W&)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
    auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
    if (modal == nullptr && ++*tries < 500) return;
    timer->stop();
    timer->deleteLater();
    if (modal != nullptr) act(*modal);
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
