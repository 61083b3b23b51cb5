// The application object: an exception escaping an event handler is shown
// in a message box with its text and the program goes on.
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

#include "app/application.h"

namespace {

// Throws from its event handler on a user event.
class TThrower : public QObject {
 public:
  int handled = 0;

  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) {
      ++handled;
      throw std::runtime_error("Invalid floating point operation");
    }
    return QObject::event(event);
  }
};

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void exceptionInAHandlerIsShownAndTheProgramGoesOn();
};

void ApplicationTest::exceptionInAHandlerIsShownAndTheProgramGoesOn() {
  TThrower thrower;
  for (int round = 1; round <= 2; ++round) {
    QString shown;
    QString title;
    // Closes the message box as soon as it is up, noting what it says.
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        title = box->windowTitle();
        box->accept();
      }
    });
    closer.start();
    QEvent event(QEvent::User);
    const bool result = QCoreApplication::sendEvent(&thrower, &event);
    closer.stop();
    QVERIFY(!result);
    QCOMPARE(thrower.handled, round);
    QCOMPARE(shown, QStringLiteral("Invalid floating point operation"));
    QCOMPARE(title, QStringLiteral("Velmoor"));
  }
}

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
