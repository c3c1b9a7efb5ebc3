#include "qtui/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "qtui/fonts.h"

namespace qtui {

namespace {

QString DisplayText(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

void SetText(QMessageBox& box, const std::string& text, const std::string& title) {
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(title.empty() ? QCoreApplication::applicationName() : ToQString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(DisplayText(text));
}

}  // namespace

QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

forms::MsgResult ShowMessageBox(const std::string& text, forms::MsgButtons buttons, const std::string& title) {
  QMessageBox box(DialogParent());
  SetText(box, text, title);
  forms::MsgResult closed = forms::MsgResult::Cancel;
  switch (buttons) {
    case forms::MsgButtons::OK:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      closed = forms::MsgResult::OK;
      break;
    case forms::MsgButtons::OKCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case forms::MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      closed = forms::MsgResult::No;
      break;
    case forms::MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return forms::MsgResult::OK;
    case QMessageBox::Cancel:
      return forms::MsgResult::Cancel;
    case QMessageBox::Yes:
      return forms::MsgResult::Yes;
    case QMessageBox::No:
      return forms::MsgResult::No;
    default:
      return closed;
  }
}

QMessageBox* OpenMessageBox(const std::string& text, QWidget* parent) {
  auto* box = new QMessageBox(parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  SetText(*box, text, "");
  box->setStandardButtons(QMessageBox::Ok);
  box->setEscapeButton(QMessageBox::Ok);
  box->setWindowModality(Qt::WindowModal);
  box->show();
  return box;
}

}  // namespace qtui
