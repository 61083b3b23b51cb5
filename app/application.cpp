#include "app/application.h"

#include <QMessageBox>
#include <QString>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Velmoor"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
  }
  return false;
}

void TApplication::ShowException(const std::exception& error) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmoor"),
                  QString::fromLocal8Bit(error.what()), QMessageBox::Ok);
  box.exec();
}
