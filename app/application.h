// The application object: an exception that escapes an event handler is
// shown in a message box with its text, and the program goes on.
#ifndef VELMOOR_APP_APPLICATION_H
#define VELMOOR_APP_APPLICATION_H

#include <exception>

#include <QApplication>

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The standard display of an exception: a message box with its text.
  static void ShowException(const std::exception& error);
};

#endif  // VELMOOR_APP_APPLICATION_H
