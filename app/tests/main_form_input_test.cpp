// The main window driven as a user drives it: keys typed into the input
// fields, the fields left with Tab, Shift+Tab or the mouse, check boxes of
// the star list clicked, and the About and Help buttons pressed.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include "app/main_form.h"
#include "app/widgets/about_box.h"
#include "app/widgets/help_box.h"
#include "astro/astrproc.h"

namespace {

// 07:04:09 UTC on Thursday 5 March 2026; the Julian Day at 0h is 2461104.5.
std::time_t ExampleInstant() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 5;
  t.tm_hour = 7;
  t.tm_min = 4;
  t.tm_sec = 9;
  return timegm(&t);
}

TMainForm::TClock ExampleClock() {
  const std::time_t seconds = ExampleInstant();
  return [seconds] { return seconds; };
}

QString Deg(const char* utf8) { return QString::fromUtf8(utf8); }

QString Cell(const QTableWidget* grid, int column, int row) {
  return grid->item(row, column)->text();
}

// An angle as the outputs write it: optional blanks and minus, whole degrees,
// the degree sign, two-digit minutes with two decimals, perhaps N or S.
const QRegularExpression& AngleText() {
  static const QRegularExpression pattern(QString::fromUtf8(
      "^ *-?[0-9]+\u00B0 [0-9]{2}[.,][0-9]{2}'( [NS])?$"));
  return pattern;
}

// The values the window stores for a field, widened to double.
QList<double> Stored(const TMainForm& f, const QString& field) {
  if (field == "YearInput") return {static_cast<double>(f.FYear)};
  if (field == "MonthInput") return {static_cast<double>(f.FMonth)};
  if (field == "DayInput") return {static_cast<double>(f.FDay)};
  if (field == "GMTInput") {
    return {static_cast<double>(f.FHour), static_cast<double>(f.FMinute),
            static_cast<double>(f.FSecond)};
  }
  if (field == "Latitude") return {f.FLatitude};
  if (field == "Longitude") return {f.FLongitude};
  return {};
}

void CompareStored(const TMainForm& f, const QString& field,
                   const QList<double>& expected) {
  const QList<double> actual = Stored(f, field);
  QCOMPARE(actual.size(), expected.size());
  for (int i = 0; i < actual.size(); ++i) {
    QVERIFY2(std::isfinite(actual[i]), qPrintable(field));
    QCOMPARE(actual[i], expected[i]);
  }
}

// Clicks into a field, selects its text with Ctrl+A and deletes it, then
// types the new text key by key.
void Retype(QLineEdit* edit, const QString& text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  QVERIFY(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Delete);
  QCOMPARE(edit->text(), QString());
  QTest::keyClicks(edit, text);
  QCOMPARE(edit->text(), text);
}

// Every output box and every computed cell holds a well-formed text: the
// angles in their pattern, nothing empty, nothing that is not a number.
void CheckWellFormed(const TMainForm& f) {
  const QLineEdit* angles[] = {f.GHAAries, f.GHASlonce, f.DeclSun, f.MoonGHA,
                               f.MoonDec};
  for (const QLineEdit* box : angles) {
    QVERIFY2(AngleText().match(box->text()).hasMatch(),
             qPrintable(box->objectName() + ": '" + box->text() + "'"));
  }
  const QLineEdit* boxes[] = {f.GHAAries, f.GHASlonce, f.DeclSun, f.SemiDiam,
                              f.MoonGHA,  f.MoonDec,   f.MoonSD,  f.MoonHP,
                              f.JulDay,   f.Weekday,   f.EqOfTime};
  for (const QLineEdit* box : boxes) {
    const QString text = box->text().toLower();
    QVERIFY2(!text.trimmed().isEmpty() && !text.contains("nan") &&
                 !text.contains("inf"),
             qPrintable(box->objectName() + ": '" + box->text() + "'"));
  }
  // Sun and Moon rows always, star rows when they name a star.
  for (int row = 1; row <= 5; ++row) {
    if (row >= 3 && Cell(f.LOPGrid, 0, row) == " ") continue;
    for (int column = 1; column <= 2; ++column) {
      const QString text = Cell(f.LOPGrid, column, row);
      QVERIFY2(AngleText().match(text).hasMatch(),
               qPrintable(QString("LOPGrid (%1, %2): '%3'")
                              .arg(column).arg(row).arg(text)));
    }
  }
  for (int row = 1; row <= 3; ++row) {
    if (Cell(f.StarsOutput, 0, row) == " ") continue;
    for (int column = 1; column <= 2; ++column) {
      const QString text = Cell(f.StarsOutput, column, row);
      QVERIFY2(AngleText().match(text).hasMatch(),
               qPrintable(QString("StarsOutput (%1, %2): '%3'")
                              .arg(column).arg(row).arg(text)));
    }
  }
}

// The fixed-point separator for the length of a test, "." again afterwards.
class DecimalSeparatorScope {
 public:
  explicit DecimalSeparatorScope(const char* separator) {
    SetDecimalSeparator(separator);
  }
  ~DecimalSeparatorScope() { SetDecimalSeparator("."); }
  DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
  DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;
};

// The dialogs as the program sets them up: created hidden after the window,
// reachable through the globals while they live.
class DialogScope {
 public:
  explicit DialogScope(QWidget* window) : about_(window), help_(window) {
    AboutBox = &about_;
    HelpBox = &help_;
  }
  ~DialogScope() {
    AboutBox = nullptr;
    HelpBox = nullptr;
  }
  DialogScope(const DialogScope&) = delete;
  DialogScope& operator=(const DialogScope&) = delete;

 private:
  TAboutBox about_;
  THelpBox help_;
};

// Makes an item of the star list visible with the list's scroll bar, without
// touching its current item.
void ScrollIntoView(TStarCheckList* list, int index) {
  const QRect view = list->viewport()->rect();
  if (!view.contains(list->itemRect(index))) {
    list->verticalScrollBar()->setValue(index * list->itemHeight());
  }
}

// Runs a helper that checks with QVERIFY/QCOMPARE and ends the test when it
// failed.
#define CHECKED(call)                          \
  do {                                         \
    call;                                      \
    if (QTest::currentTestFailed()) return;    \
  } while (false)

enum LeaveBy { kTab, kShiftTab, kClickElsewhere, kReturnKey, kOtherWindow };

}  // namespace

Q_DECLARE_METATYPE(LeaveBy)

class MainFormInputTest : public QObject {
  Q_OBJECT

 private slots:
  void typedAndLeft_data();
  void typedAndLeft();
  void hostilePositionTexts_data();
  void hostilePositionTexts();
  void commaAsDecimalSeparator_data();
  void commaAsDecimalSeparator();
  void whatCountsAsLeavingAField_data();
  void whatCountsAsLeavingAField();
  void starListByMouse_data();
  void starListByMouse();
  void dialogsFromTheButtons_data();
  void dialogsFromTheButtons();
};

void MainFormInputTest::typedAndLeft_data() {
  QTest::addColumn<QString>("month");  // typed into the month field first
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QList<double>>("whileTyping");
  QTest::addColumn<int>("typingCycles");
  QTest::addColumn<QString>("julDayTyping");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QList<double>>("afterLeaving");
  QTest::addColumn<QString>("julDayLeft");

  // 5 April 2026 07:04:09 is JD 2461135.79; 30 April 2461160.79.
  QTest::newRow("day 31 in April")
      << "4" << "DayInput" << " 31" << QList<double>{30} << 0
      << "   2461135.79" << " 30" << QList<double>{30} << "   2461160.79";

  // Each change of the GMT text runs a cycle: the deletion and every key.
  QTest::newRow("GMT emptied")
      << "" << "GMTInput" << "" << QList<double>{0, 4, 9} << 1
      << "   2461104.50" << "00:04:09" << QList<double>{0, 4, 9}
      << "   2461104.50";
  QTest::newRow("GMT 12:5:07")
      << "" << "GMTInput" << "12:5:07" << QList<double>{12, 5, 7} << 8
      << "   2461105.00" << " 12:05:07" << QList<double>{12, 5, 7}
      << "   2461105.00";
  QTest::newRow("GMT 12.5.3")
      << "" << "GMTInput" << "12.5.3" << QList<double>{12, 5, 3} << 7
      << "   2461105.00" << " 12:05:03" << QList<double>{12, 5, 3}
      << "   2461105.00";
  QTest::newRow("GMT 12::30")
      << "" << "GMTInput" << "12::30" << QList<double>{12, 0, 30} << 7
      << "   2461105.00" << " 12:00:30" << QList<double>{12, 0, 30}
      << "   2461105.00";

  const QString unchanged = "   2461104.79";
  QTest::newRow("latitude 22.347 S")
      << "" << "Latitude" << "22.347 S" << QList<double>{-22.347} << 0
      << unchanged << Deg("  22\u00B0 34.7' S") << QList<double>{-22.347}
      << unchanged;
  QTest::newRow("latitude 12 degrees 5 minutes")
      << "" << "Latitude" << Deg("12\u00B0 5'") << QList<double>{12.05} << 0
      << unchanged << Deg("  12\u00B0 05.0' N") << QList<double>{12.05}
      << unchanged;
  QTest::newRow("longitude 0")
      << "" << "Longitude" << "0" << QList<double>{0} << 0 << unchanged
      << Deg(" 000\u00B0 00.0' W") << QList<double>{0} << unchanged;
  QTest::newRow("latitude -0")
      << "" << "Latitude" << "-0" << QList<double>{0} << 0 << unchanged
      << Deg("  00\u00B0 00.0' S") << QList<double>{0} << unchanged;
  // 59.99' round to 60.0', which parsed back is 10° 60'.
  QTest::newRow("latitude minutes rounded to 60")
      << "" << "Latitude" << "10.5999" << QList<double>{10.5999} << 0
      << unchanged << Deg("  10\u00B0 60.0' N") << QList<double>{10.6}
      << unchanged;
  QTest::newRow("latitude beyond the pole")
      << "" << "Latitude" << "95.5" << QList<double>{95.5} << 0 << unchanged
      << Deg("  95\u00B0 50.0' N") << QList<double>{95.5} << unchanged;
}

// A field retyped and left with Tab: what is stored while typing and after
// the rewrite, the text shown, and the Julian Day as a witness of which
// instant the outputs belong to.
void MainFormInputTest::typedAndLeft() {
  QFETCH(QString, month);
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QList<double>, whileTyping);
  QFETCH(int, typingCycles);
  QFETCH(QString, julDayTyping);
  QFETCH(QString, shown);
  QFETCH(QList<double>, afterLeaving);
  QFETCH(QString, julDayLeft);

  TMainForm form(ExampleClock());
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  if (!month.isEmpty()) {
    CHECKED(Retype(form.MonthInput, month));
    QTest::keyClick(form.MonthInput, Qt::Key_Tab);
    QCOMPARE(form.MonthInput->text(), QStringLiteral(" 04"));
  }

  auto* edit = form.findChild<QLineEdit*>(field);
  QVERIFY(edit != nullptr);
  const int before = form.UpdateCount();
  CHECKED(Retype(edit, typed));
  CHECKED(CompareStored(form, field, whileTyping));
  QCOMPARE(form.UpdateCount() - before, typingCycles);
  QCOMPARE(form.JulDay->text(), julDayTyping);

  QTest::keyClick(edit, Qt::Key_Tab);
  QVERIFY(!edit->hasFocus());
  QCOMPARE(edit->text(), shown);
  CHECKED(CompareStored(form, field, afterLeaving));
  QCOMPARE(form.JulDay->text(), julDayLeft);
  CHECKED(CheckWellFormed(form));
}

void MainFormInputTest::hostilePositionTexts_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("value");  // stored in both fields
  QTest::addColumn<QString>("latitude");
  QTest::addColumn<QString>("longitude");

  // The nearest double to 123456789012345678901 is 123456789012345683968.
  QTest::newRow("21 digits")
      << "123456789012345678901" << 123456789012345683968.0
      << Deg("  123456789012345683968\u00B0 00.0' N")
      << Deg("   123456789012345683968\u00B0 00.0' E");
  // The letter ends the degrees: 1 degree and 400 minutes.
  QTest::newRow("1e400") << "1e400" << 5.0 << Deg("  05\u00B0 00.0' N")
                         << Deg(" 005\u00B0 00.0' E");
  QTest::newRow("minus alone") << "-" << 0.0 << Deg("  00\u00B0 00.0' S")
                               << Deg(" 000\u00B0 00.0' W");
  QTest::newRow("point alone") << "." << 0.0 << Deg("  00\u00B0 00.0' S")
                               << Deg(" 000\u00B0 00.0' W");
  QTest::newRow("two minus signs") << "--5" << 0.0 << Deg("  00\u00B0 00.0' S")
                                   << Deg(" 000\u00B0 00.0' W");
  QTest::newRow("two points") << "5..3" << 5.0 << Deg("  05\u00B0 00.0' N")
                              << Deg(" 005\u00B0 00.0' E");
  // 35 digits: the first 21 make the number, 987654321098765369344 nearest.
  QTest::newRow("35 digits")
      << "98765432109876543210987654321098765" << 987654321098765369344.0
      << Deg("  987654321098765369344\u00B0 00.0' N")
      << Deg("   987654321098765369344\u00B0 00.0' E");
  // 40 characters, 21 of them make the number 12.345678901234567890.
  QTest::newRow("40 characters with a point")
      << "12.3456789012345678901234567890123456789" << 12.346
      << Deg("  12\u00B0 34.6' N") << Deg("  012\u00B0 34.6' E");
  // Only the first 31 characters are looked at, and they are blanks.
  QTest::newRow("31 blanks before the number")
      << QString(31, ' ') + "45 S" << 0.0 << Deg("  00\u00B0 00.0' S")
      << Deg(" 000\u00B0 00.0' W");
}

// The same text typed into both position fields, each left with Tab, while
// a star is selected: the values stay finite and every output is a
// well-formed text.
void MainFormInputTest::hostilePositionTexts() {
  QFETCH(QString, typed);
  QFETCH(double, value);
  QFETCH(QString, latitude);
  QFETCH(QString, longitude);

  TMainForm form(ExampleClock());
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.StarList->setFocus();
  form.StarList->setCurrentIndex(52);
  QTest::keyClick(form.StarList, Qt::Key_Space);
  QCOMPARE(form.FSelCount, 1);

  CHECKED(Retype(form.Latitude, typed));
  QVERIFY(std::isfinite(form.FLatitude));
  QTest::keyClick(form.Latitude, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form.Longitude);
  CHECKED(Retype(form.Longitude, typed));
  QVERIFY(std::isfinite(form.FLongitude));
  QTest::keyClick(form.Longitude, Qt::Key_Tab);

  QCOMPARE(form.Latitude->text(), latitude);
  QCOMPARE(form.Longitude->text(), longitude);
  QVERIFY(std::isfinite(form.FLatitude));
  QVERIFY(std::isfinite(form.FLongitude));
  QCOMPARE(form.FLatitude, value);
  QCOMPARE(form.FLongitude, value);
  QCOMPARE(Cell(form.LOPGrid, 0, 3), QStringLiteral("Sirius       "));
  CHECKED(CheckWellFormed(form));
}

void MainFormInputTest::commaAsDecimalSeparator_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<double>("value");

  QTest::newRow("point typed") << "Latitude" << "53.305"
                               << Deg("  53\u00B0 30,5' N") << 53.305;
  QTest::newRow("comma typed") << "Latitude" << "53,305"
                               << Deg("  53\u00B0 30,5' N") << 53.305;
  QTest::newRow("display form typed")
      << "Latitude" << Deg("22\u00B0 34,7' S") << Deg("  22\u00B0 34,7' S")
      << -22.347;
  QTest::newRow("longitude west") << "Longitude" << "-120,455"
                                  << Deg("   120\u00B0 45,5' W") << -120.455;
}

// Where the regional separator is a comma, the display form uses it, and
// parsing that form back keeps the tenth of a minute.
void MainFormInputTest::commaAsDecimalSeparator() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(double, value);

  TMainForm form(ExampleClock());
  const DecimalSeparatorScope comma(",");
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  auto* edit = form.findChild<QLineEdit*>(field);
  QVERIFY(edit != nullptr);

  CHECKED(Retype(edit, typed));
  CHECKED(CompareStored(form, field, {value}));
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(edit->text(), shown);
  CHECKED(CompareStored(form, field, {value}));
  CHECKED(CheckWellFormed(form));
}

void MainFormInputTest::whatCountsAsLeavingAField_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("rewritten");
  QTest::addColumn<LeaveBy>("leaveBy");
  QTest::addColumn<bool>("exits");

  struct Field {
    const char* name;
    const char* typed;
    QString rewritten;
  };
  const Field fields[] = {{"Latitude", "-22.347", Deg("  22\u00B0 34.7' S")},
                          {"YearInput", "2051", " 2050"}};
  struct Way {
    const char* name;
    LeaveBy leaveBy;
    bool exits;
  };
  const Way ways[] = {{"Tab", kTab, true},
                      {"Shift+Tab", kShiftTab, true},
                      {"click into another field", kClickElsewhere, true},
                      {"Return", kReturnKey, false},
                      {"another window activated", kOtherWindow, false}};
  for (const Field& f : fields) {
    for (const Way& w : ways) {
      QTest::addRow("%s, %s", f.name, w.name)
          << QString(f.name) << QString(f.typed) << f.rewritten << w.leaveBy
          << w.exits;
    }
  }
}

// The exit handler (one cycle, the text rewritten) runs when the focus moves
// to another control of the window, and not for Return or for another
// window taking the activation; a field not left is rewritten when it is
// left later.
void MainFormInputTest::whatCountsAsLeavingAField() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, rewritten);
  QFETCH(LeaveBy, leaveBy);
  QFETCH(bool, exits);

  TMainForm form(ExampleClock());
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  auto* edit = form.findChild<QLineEdit*>(field);
  QVERIFY(edit != nullptr);
  CHECKED(Retype(edit, typed));
  const int before = form.UpdateCount();

  QWidget other;
  switch (leaveBy) {
    case kTab:
      QTest::keyClick(edit, Qt::Key_Tab);
      break;
    case kShiftTab:
      QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
      break;
    case kClickElsewhere:
      QTest::mouseClick(form.GMTInput, Qt::LeftButton);
      QVERIFY(form.GMTInput->hasFocus());
      break;
    case kReturnKey:
      QTest::keyClick(edit, Qt::Key_Return);
      QVERIFY(edit->hasFocus());
      break;
    case kOtherWindow:
      other.setWindowTitle(QStringLiteral("other"));
      other.resize(200, 100);
      other.show();
      other.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&other));
      QVERIFY(!edit->hasFocus());
      break;
  }

  if (exits) {
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), rewritten);
    QCOMPARE(form.UpdateCount() - before, 1);
    return;
  }
  QCOMPARE(edit->text(), typed);
  QCOMPARE(form.UpdateCount(), before);

  if (leaveBy == kOtherWindow) {
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), typed);
    QCOMPARE(form.UpdateCount(), before);
  }
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(edit->text(), rewritten);
  QCOMPARE(form.UpdateCount() - before, 1);
}

void MainFormInputTest::starListByMouse_data() {
  QTest::addColumn<std::vector<int>>("clicks");
  QTest::addColumn<std::vector<int>>("queue");
  QTest::addColumn<QStringList>("names");  // as the grids show them

  QTest::newRow("a fourth star drops the oldest")
      << std::vector<int>{5, 38, 52, 56} << std::vector<int>{38, 52, 56}
      << QStringList{"Menekent     ", "Sirius       ", "Zuben'ubi    "};
  QTest::newRow("Acamar checked first and dropped")
      << std::vector<int>{0, 7, 38, 55} << std::vector<int>{7, 38, 55}
      << QStringList{"Al Na'ir     ", "Menekent     ", "Vega         "};
  QTest::newRow("a second click unchecks")
      << std::vector<int>{38, 20, 38} << std::vector<int>{20}
      << QStringList{"Canopus      "};
}

// Check boxes clicked with the mouse, scrolled into view with the list's
// scroll bar: the check marks, the queue and the star rows of both grids.
void MainFormInputTest::starListByMouse() {
  QFETCH(std::vector<int>, clicks);
  QFETCH(std::vector<int>, queue);
  QFETCH(QStringList, names);

  TMainForm form(ExampleClock());
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.StarList->setFocus();
  TStarCheckList* list = form.StarList;
  const int before = form.UpdateCount();

  for (int k : clicks) {
    ScrollIntoView(list, k);
    const QRect box = list->checkBoxRect(k);
    QVERIFY2(list->viewport()->rect().contains(box), qPrintable(QString::number(k)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      box.center());
    QCOMPARE(list->currentIndex(), k);
  }
  QCOMPARE(form.UpdateCount() - before, static_cast<int>(clicks.size()));

  QCOMPARE(form.FSelCount, static_cast<int>(queue.size()));
  for (int k = 0; k < list->count(); ++k) {
    const bool queued = std::find(queue.begin(), queue.end(), k) != queue.end();
    QVERIFY2(list->isChecked(k) == queued, qPrintable(QString::number(k)));
  }
  for (int row = 1; row <= 3; ++row) {
    const int slot = row - 1;
    if (slot < names.size()) {
      QCOMPARE(Cell(form.StarsOutput, 0, row), names[slot]);
      QCOMPARE(Cell(form.LOPGrid, 0, row + 2), names[slot]);
    } else {
      for (int column = 0; column < 3; ++column) {
        QCOMPARE(Cell(form.StarsOutput, column, row), QStringLiteral(" "));
        QCOMPARE(Cell(form.LOPGrid, column, row + 2), QStringLiteral(" "));
      }
    }
  }
  QCOMPARE(list->itemText(38), QStringLiteral("Menment"));
  CHECKED(CheckWellFormed(form));
}

void MainFormInputTest::dialogsFromTheButtons_data() {
  QTest::addColumn<QString>("button");
  QTest::newRow("About") << "BitBtn1";
  QTest::newRow("Help") << "BitBtn2";
}

// Each button, clicked twice, shows the one dialog object of the program
// modally, and the Enter key closes it with the result OK.
void MainFormInputTest::dialogsFromTheButtons() {
  QFETCH(QString, button);
  TMainForm form(ExampleClock());
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  const DialogScope dialogs(&form);
  QDialog* const expected =
      button == "BitBtn1" ? static_cast<QDialog*>(AboutBox) : HelpBox;
  auto* widget = form.findChild<QToolButton*>(button);
  QVERIFY(widget != nullptr);
  const int cycles = form.UpdateCount();

  QWidget* first = nullptr;
  for (int click = 0; click < 2; ++click) {
    QWidget* shown = nullptr;
    bool closedByEnter = false;
    // Runs inside the dialog's own event loop; should Enter not close the
    // dialog, it is rejected so that the test goes on.
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &form, [&] {
      shown = QApplication::activeModalWidget();
      auto* dialog = qobject_cast<QDialog*>(shown);
      if (dialog == nullptr) return;
      QTest::keyClick(dialog, Qt::Key_Return);
      closedByEnter = !dialog->isVisible();
      if (!closedByEnter) dialog->reject();
    });
    timer.start(0);
    QTest::mouseClick(widget, Qt::LeftButton);

    QVERIFY2(shown != nullptr, "no modal dialog");
    QCOMPARE(shown, static_cast<QWidget*>(expected));
    if (click == 0) first = shown;
    QCOMPARE(shown, first);
    QVERIFY(closedByEnter);
    QCOMPARE(expected->result(), int(QDialog::Accepted));
    QVERIFY(!expected->isVisible());
  }
  QCOMPARE(form.UpdateCount(), cycles);
}

QTEST_MAIN(MainFormInputTest)
#include "main_form_input_test.moc"
