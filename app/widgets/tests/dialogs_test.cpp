#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/widgets/about_box.h"
#include "app/widgets/help_box.h"
#include "app/widgets/tests/widgets_tests.h"

namespace {

std::unique_ptr<QDialog> MakeDialog(const QString& which) {
  if (which == QLatin1String("About")) return std::make_unique<TAboutBox>();
  return std::make_unique<THelpBox>();
}

QStringList MemoLines(const QDialog& dialog, const char* name) {
  auto* memo = dialog.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
  return memo != nullptr ? memo->toPlainText().split(u'\n') : QStringList();
}

// exec() returns this when the action given did not close the dialog.
constexpr int kStillOpen = 99;

// Shows the dialog modally, as the main window does, runs the action once
// the dialog's event loop runs, and returns the dialog's result.
int ExecWith(QDialog& dialog, const std::function<void(QDialog&)>& action) {
  QTimer::singleShot(0, &dialog, [&dialog, action] {
    action(dialog);
    // Whatever the action left open is closed here, so that exec() returns.
    if (dialog.isVisible()) QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(kStillOpen); });
  });
  return dialog.exec();
}

}  // namespace

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  void captionAndFixedClientSize_data();
  void captionAndFixedClientSize();
  void controlsSitWhereDesigned_data();
  void controlsSitWhereDesigned();
  void closing_data();
  void closing();
  void memosTakeTextButLeaveEnterToTheDialog_data();
  void memosTakeTextButLeaveEnterToTheDialog();
  void helpTextLines();
  void aboutTexts();
};

void DialogTest::captionAndFixedClientSize_data() {
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QSize>("client");
  QTest::newRow("About") << "About" << "About Velmoor" << QSize(416, 351);
  QTest::newRow("Help") << "Help" << "Velmoor - HELP" << QSize(298, 213);
}

void DialogTest::captionAndFixedClientSize() {
  QFETCH(QString, dialog);
  QFETCH(QString, caption);
  QFETCH(QSize, client);

  const std::unique_ptr<QDialog> box = MakeDialog(dialog);
  box->show();
  QVERIFY(QTest::qWaitForWindowExposed(box.get()));
  QCOMPARE(box->windowTitle(), caption);
  QCOMPARE(box->size(), client);
  QCOMPARE(box->minimumSize(), client);
  QCOMPARE(box->maximumSize(), client);
}

void DialogTest::controlsSitWhereDesigned_data() {
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QRect>("geometry");  // an empty size: the position only

  const QSize any(0, 0);
  QTest::newRow("About Panel1") << "About" << "Panel1" << QRect(8, 8, 393, 305);
  QTest::newRow("About Image1") << "About" << "Image1" << QRect(8, 16, 65, 98);
  QTest::newRow("About ProductName") << "About" << "ProductName" << QRect(QPoint(88, 16), any);
  QTest::newRow("About Version") << "About" << "Version" << QRect(QPoint(88, 40), any);
  QTest::newRow("About CreditLabel") << "About" << "CreditLabel" << QRect(QPoint(88, 64), any);
  QTest::newRow("About Comments") << "About" << "Comments" << QRect(88, 88, 291, 39);
  QTest::newRow("About Memo1") << "About" << "Memo1" << QRect(8, 136, 377, 65);
  QTest::newRow("About Memo2") << "About" << "Memo2" << QRect(8, 208, 377, 89);
  QTest::newRow("About OKButton") << "About" << "OKButton" << QRect(167, 324, 75, 25);
  QTest::newRow("Help Panel1") << "Help" << "Panel1" << QRect(8, 8, 281, 161);
  QTest::newRow("Help Memo1") << "Help" << "Memo1" << QRect(2, 2, 277, 157);
  QTest::newRow("Help OKButton") << "Help" << "OKButton" << QRect(111, 180, 75, 25);
}

void DialogTest::controlsSitWhereDesigned() {
  QFETCH(QString, dialog);
  QFETCH(QString, control);
  QFETCH(QRect, geometry);

  const std::unique_ptr<QDialog> box = MakeDialog(dialog);
  auto* widget = box->findChild<QWidget*>(control);
  QVERIFY(widget != nullptr);
  if (geometry.size().isEmpty()) {
    QCOMPARE(widget->pos(), geometry.topLeft());
  } else {
    QCOMPARE(widget->geometry(), geometry);
  }
}

void DialogTest::closing_data() {
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("how");
  QTest::addColumn<int>("result");

  for (const char* dialog : {"About", "Help"}) {
    const QString name = QString::fromLatin1(dialog);
    QTest::addRow("%s: Enter where the focus starts", dialog)
        << name << "Enter" << int(QDialog::Accepted);
    QTest::addRow("%s: Enter in Memo1", dialog) << name << "Enter in Memo1" << int(QDialog::Accepted);
    QTest::addRow("%s: Enter on OK", dialog) << name << "Enter in OKButton" << int(QDialog::Accepted);
    QTest::addRow("%s: click on OK", dialog) << name << "click OK" << int(QDialog::Accepted);
    QTest::addRow("%s: close box", dialog) << name << "close" << int(QDialog::Rejected);
  }
  QTest::newRow("About: Enter in Memo2") << "About" << "Enter in Memo2" << int(QDialog::Accepted);
}

void DialogTest::closing() {
  QFETCH(QString, dialog);
  QFETCH(QString, how);
  QFETCH(int, result);

  const std::unique_ptr<QDialog> box = MakeDialog(dialog);
  // The same window is shown again after it has been closed.
  for (int showing = 0; showing < 2; ++showing) {
    const int returned = ExecWith(*box, [how](QDialog& shown) {
      if (how == QLatin1String("click OK")) {
        QTest::mouseClick(shown.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
      } else if (how == QLatin1String("close")) {
        shown.close();
      } else {
        QWidget* target = shown.focusWidget();
        if (how.startsWith(QLatin1String("Enter in "))) {
          target = shown.findChild<QWidget*>(how.mid(9));
          target->setFocus();
        }
        QTest::keyClick(target != nullptr ? target : &shown, Qt::Key_Return);
      }
    });
    QCOMPARE(returned, result);
    QVERIFY(!box->isVisible());
  }
}

void DialogTest::memosTakeTextButLeaveEnterToTheDialog_data() {
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("memo");
  QTest::newRow("About Memo1") << "About" << "Memo1";
  QTest::newRow("About Memo2") << "About" << "Memo2";
  QTest::newRow("Help Memo1") << "Help" << "Memo1";
}

void DialogTest::memosTakeTextButLeaveEnterToTheDialog() {
  QFETCH(QString, dialog);
  QFETCH(QString, memo);

  const std::unique_ptr<QDialog> box = MakeDialog(dialog);
  box->open();
  auto* edit = box->findChild<QPlainTextEdit*>(memo);
  QVERIFY(edit != nullptr);
  QVERIFY(!edit->isReadOnly());
  const int blocks = edit->blockCount();

  edit->setFocus();
  edit->moveCursor(QTextCursor::End);
  QTest::keyClicks(edit, "typed");
  QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
  QVERIFY(box->isVisible());
  QCOMPARE(edit->blockCount(), blocks + 1);
  QVERIFY(edit->toPlainText().endsWith(QLatin1String("typed\n")));

  QTest::keyClick(edit, Qt::Key_Return);
  QVERIFY(!box->isVisible());
  QCOMPARE(box->result(), int(QDialog::Accepted));
}

void DialogTest::helpTextLines() {
  THelpBox box;
  const QStringList expected = {
      "Use of this program is easy and intuitive. Try yourself !!!",
      "",
      "To input time you can use any separator between hours, ",
      "minutes and seconds EXCEPT \"space\".",
      "Example: 12,34,48 or 12;34;38 or 12x34x38 = 12:34:38",
      "DO NOT USE 12 34 38",
      "",
      "USE TWO DIGITS FOR MINUTES AND SECONDS. ",
  };
  QCOMPARE(MemoLines(box, "Memo1"), expected);
}

void DialogTest::aboutTexts() {
  TAboutBox box;
  QCOMPARE(box.findChild<QLabel*>("ProductName")->text(), QString("Velmoor"));
  QVERIFY(box.findChild<QLabel*>("Version")->text().startsWith(QLatin1String("Version 2.01")));
  QVERIFY(box.findChild<QLabel*>("Comments")->wordWrap());
  QVERIFY(MemoLines(box, "Memo1").join(' ').contains(
      QLatin1String("\"Astronomical Formulae for Calculators\"")));

  // Three lines, each ending in exactly one blank; two blanks before
  // "warranty" in the second.
  const QStringList warranty = MemoLines(box, "Memo2");
  QCOMPARE(warranty.size(), 3);
  for (const QString& line : warranty) {
    QVERIFY2(line.endsWith(u' ') && !line.endsWith(QLatin1String("  ")), qPrintable(line));
  }
  QVERIFY2(warranty.at(1).contains(QRegularExpression(QStringLiteral("[^ ]  warranty"))),
           qPrintable(warranty.at(1)));
}

int RunDialogTests(int argc, char** argv) {
  DialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
