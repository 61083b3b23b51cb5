// The main window: start-up, the update cycle's outputs, the text-write rule
// and the layout.
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/widgets/about_box.h"
#include "app/widgets/help_box.h"
#include "astro/astrproc.h"
#include "astro/constants.h"
#include "moon/moon.h"
#include "stars/stars.h"

namespace {

// Seconds since the epoch of a UTC instant.
std::time_t UtcSeconds(int year, int month, int day, int hour, int minute,
                       int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return timegm(&t);
}

TMainForm::TClock ClockAt(std::time_t seconds) {
  return [seconds] { return seconds; };
}

// 07:04:09 UTC on 5 March 2026.
const std::time_t kExample = UtcSeconds(2026, 3, 5, 7, 4, 9);

QString Q(const std::string& text) { return QString::fromStdString(text); }

// What every output box and grid cell should show for an instant, a position
// and a star queue, rebuilt step by step from the computation functions.
struct Expected {
  QString ghaAries, ghaSun, declSun, semiDiam;
  QString moonGha, moonDec, moonSD, moonHP;
  QString julDay, weekday, eqOfTime;
  QString lop[6][3];    // [row][column]
  QString stars[4][3];  // [row][column]
  long double year, month, day;  // the normalised date
};

Expected Expect(long double year, long double month, long double day,
                long double hour, long double minute, long double second,
                double lat, double lon, const std::vector<int>& queue) {
  Expected e;
  const long double aries =
      ApparentSiderealTime(year, month, day, hour, minute, second);
  e.ghaAries = Q(FormatAngle(static_cast<double>(aries)));

  long double sunRa, sunDec, sunSd;
  SunPosition(year, month, day, hour, minute, second, sunRa, sunDec, sunSd);
  double sunGha = static_cast<double>(aries - sunRa);
  if (sunGha > astro::kTwoPi) sunGha = static_cast<double>(sunGha - astro::kTwoPi);
  if (sunGha < 0) sunGha = static_cast<double>(sunGha + astro::kTwoPi);
  e.ghaSun = " " + Q(FormatAngle(sunGha));
  e.declSun = " " + Q(FormatDeclination(static_cast<double>(sunDec)));
  e.semiDiam =
      " " + Q(FormatFixed(RoundHalfAway(sunSd * 10) * 0.1, 1)) + " '";

  for (int row = 1; row <= 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      e.stars[row][column] = " ";
      e.lop[row + 2][column] = " ";
    }
  }
  for (std::size_t i = 0; i < queue.size(); ++i) {
    long double ra, dec;
    StarPosition(queue[i], year, month, day, ra, dec);
    const long double sha = astro::kTwoPi - ra;
    const QString name = QString::fromLatin1(StarNames[queue[i]]);
    e.stars[i + 1][0] = name;
    e.stars[i + 1][1] = Q(FormatAngle(static_cast<double>(sha)));
    e.stars[i + 1][2] = Q(FormatDeclination(static_cast<double>(dec)));
    double alt, az;
    AltitudeAzimuth(static_cast<double>(sha + aries), static_cast<double>(dec),
                    lat, lon, alt, az);
    e.lop[i + 3][0] = name;
    e.lop[i + 3][1] = Q(FormatAngle(alt));
    e.lop[i + 3][2] = Q(FormatAngle(az));
  }

  long double moonRa, moonDec, moonHp, moonSd;
  MoonPosition(year, month, day, hour, minute, second, moonRa, moonDec, moonHp,
               moonSd);
  long double moonGha = aries - moonRa;
  if (moonGha < 0) moonGha += astro::kTwoPi;
  if (moonGha > astro::kTwoPi) moonGha -= astro::kTwoPi;
  e.moonGha = Q(FormatAngle(static_cast<double>(moonGha)));
  e.moonDec = Q(FormatDeclination(static_cast<double>(moonDec)));
  e.moonSD = " " + Q(FormatFixed(
                       static_cast<double>(RoundHalfAway(moonSd * 10) * 0.1), 1));
  e.moonHP = " " + Q(FormatFixed(
                       static_cast<double>(RoundHalfAway(moonHp * 600) * 0.1), 1));

  const long double fraction =
      (second * astro::kInv3600 + minute * astro::kInv60 + hour) * astro::kInv24;
  const long double jd = JulianDay(year, month, day + fraction);
  e.julDay = "   " + Q(FormatFixed(jd, 2));
  long double y, m, d;
  CalendarDate(jd, y, m, d);
  d = TruncInt(d);
  e.year = y;
  e.month = m;
  e.day = d;
  e.weekday = Q(WeekdayText(jd));
  const long double eot = EquationOfTime(y, m, d, hour, minute, second);
  const long double minutes = std::fabs(eot) * 60;
  const long double wholeMinutes = TruncInt(minutes);
  e.eqOfTime = QString(eot >= 0 ? "  +" : "  -") + Q(FormatFixed(wholeMinutes, 0)) +
               " min : " + Q(FormatFixed((minutes - wholeMinutes) * 60, 1)) +
               " sec.";

  double alt, az;
  AltitudeAzimuth(sunGha, static_cast<double>(sunDec), lat, lon, alt, az);
  e.lop[1][1] = Q(FormatAngle(alt));
  e.lop[1][2] = Q(FormatAngle(az));
  AltitudeAzimuth(static_cast<double>(moonGha), static_cast<double>(moonDec),
                  lat, lon, alt, az);
  e.lop[2][1] = Q(FormatAngle(alt));
  e.lop[2][2] = Q(FormatAngle(az));
  return e;
}

QString Cell(const QTableWidget* grid, int column, int row) {
  return grid->item(row, column)->text();
}

// Compares every output of the window with the expected texts; the failure
// names the box or cell.
void CheckOutputs(const TMainForm& f, const Expected& e) {
  const std::pair<const QLineEdit*, QString> boxes[] = {
      {f.GHAAries, e.ghaAries}, {f.GHASlonce, e.ghaSun},
      {f.DeclSun, e.declSun},   {f.SemiDiam, e.semiDiam},
      {f.MoonGHA, e.moonGha},   {f.MoonDec, e.moonDec},
      {f.MoonSD, e.moonSD},     {f.MoonHP, e.moonHP},
      {f.JulDay, e.julDay},     {f.Weekday, e.weekday},
      {f.EqOfTime, e.eqOfTime},
  };
  for (const auto& [box, text] : boxes) {
    QVERIFY2(box->text() == text,
             qPrintable(box->objectName() + ": '" + box->text() + "' != '" +
                        text + "'"));
  }
  for (int row = 1; row < 6; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row >= 3 || column > 0) {
        QVERIFY2(Cell(f.LOPGrid, column, row) == e.lop[row][column],
                 qPrintable(QString("LOPGrid (%1, %2): '%3' != '%4'")
                                .arg(column).arg(row)
                                .arg(Cell(f.LOPGrid, column, row),
                                     e.lop[row][column])));
      }
    }
  }
  for (int row = 1; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      QVERIFY2(Cell(f.StarsOutput, column, row) == e.stars[row][column],
               qPrintable(QString("StarsOutput (%1, %2): '%3' != '%4'")
                              .arg(column).arg(row)
                              .arg(Cell(f.StarsOutput, column, row),
                                   e.stars[row][column])));
    }
  }
}

bool StateIsZero(const TAlmanacState& s) {
  const long double extended[] = {
      s.FYear,      s.FMonth,   s.FDay,    s.FJulianDay, s.FHour,
      s.FMinute,    s.FSecond,  s.FDayFraction, s.FEqOfTime, s.FAriesGHA,
      s.FSunRA,     s.FSunDec,  s.FSunSD,  s.FSunGHA,    s.FStarDec,
      s.FStarRA,    s.FMoonRA,  s.FMoonDec, s.FMoonHP,   s.FMoonSD,
      s.FMoonGHA};
  for (long double v : extended) {
    if (v != 0) return false;
  }
  for (int slot : s.FSelStars) {
    if (slot != 0) return false;
  }
  return s.FSelCount == 0 && s.FAltitude == 0 && s.FAzimuth == 0 &&
         s.FLongitude == 0 && s.FLatitude == 0;
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpFromTheClock_data();
  void startUpFromTheClock();
  void stateIsZeroUntilFormCreate();
  void startUpOutputsFollowTheComputation();
  void knownInstantTexts();
  void starRows_data();
  void starRows();
  void textWriteRule();
  void typingRunsTheChangeHandler();
  void dayBeyondItsMonthRollsOver();
  void leavingAFieldRewritesIt_data();
  void leavingAFieldRewritesIt();
  void leavingTheLongitudeAfterStartUp();
  void leavingTheDayRollsTheDateOver();
  void starsFollowTheDateInTheSameCycle();
  void starListQueue_data();
  void starListQueue();
  void buttonsShowTheDialogs();
  void resizingSwitchesTheScrollBars();
  void layoutOfTheControls_data();
  void layoutOfTheControls();
  void gridsAndMemo();
  void tabOrder();
};

void MainFormTest::startUpFromTheClock_data() {
  QTest::addColumn<qint64>("seconds");
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("day");
  QTest::addColumn<QString>("gmt");
  QTest::addColumn<int>("storedYear");
  QTest::addColumn<int>("hour");
  QTest::addColumn<int>("minute");
  QTest::addColumn<int>("second");

  QTest::newRow("2026-03-05 07:04:09")
      << qint64(kExample) << " 2026" << " 03" << " 05" << "07:04:09" << 2026
      << 7 << 4 << 9;
  QTest::newRow("December, two-digit hours")
      << qint64(UtcSeconds(2025, 12, 31, 23, 59, 58)) << " 2025" << " 12"
      << " 31" << "23:59:58" << 2025 << 23 << 59 << 58;
  QTest::newRow("midnight")
      << qint64(UtcSeconds(2000, 1, 1, 0, 0, 0)) << " 2000" << " 01" << " 01"
      << "00:00:00" << 2000 << 0 << 0 << 0;
  // A clock year beyond the range is shown as read but stored clamped.
  QTest::newRow("after 2050")
      << qint64(UtcSeconds(2051, 6, 10, 9, 5, 7)) << " 2051" << " 06" << " 10"
      << "09:05:07" << 2050 << 9 << 5 << 7;
}

void MainFormTest::startUpFromTheClock() {
  QFETCH(qint64, seconds);
  TMainForm form(ClockAt(static_cast<std::time_t>(seconds)));

  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(QString, day);
  QFETCH(QString, gmt);
  QCOMPARE(MainForm, &form);
  QCOMPARE(form.YearInput->text(), year);
  QCOMPARE(form.MonthInput->text(), month);
  QCOMPARE(form.DayInput->text(), day);
  QCOMPARE(form.GMTInput->text(), gmt);
  QCOMPARE(form.Latitude->text(), QString::fromUtf8("  53\u00B0 30.0' N"));
  QCOMPARE(form.Longitude->text(), QString::fromUtf8(" 014\u00B0 30.0' E"));
  QCOMPARE(form.FLatitude, 53.3);
  QCOMPARE(form.FLongitude, 14.3);

  QFETCH(int, storedYear);
  QFETCH(int, hour);
  QFETCH(int, minute);
  QFETCH(int, second);
  QCOMPARE(form.FYear, static_cast<long double>(storedYear));
  QCOMPARE(form.FHour, static_cast<long double>(hour));
  QCOMPARE(form.FMinute, static_cast<long double>(minute));
  QCOMPARE(form.FSecond, static_cast<long double>(second));

  // One cycle from the GMT write, one at the end.
  QCOMPARE(form.UpdateCount(), 2);
  QVERIFY(form.windowState() & Qt::WindowMaximized);
  QCOMPARE(form.windowTitle(), QStringLiteral("Velmoor"));
}

void MainFormTest::stateIsZeroUntilFormCreate() {
  // The clock is read inside FormCreate: at that moment MainForm already
  // points at the window and nothing has been stored yet.
  bool zero = false;
  bool reachable = false;
  int cycles = -1;
  TMainForm form([&] {
    reachable = MainForm != nullptr;
    zero = reachable && StateIsZero(*MainForm);
    cycles = reachable ? MainForm->UpdateCount() : -1;
    return kExample;
  });
  QVERIFY(reachable);
  QVERIFY(zero);
  QCOMPARE(cycles, 0);
  QVERIFY(!StateIsZero(form));
}

void MainFormTest::startUpOutputsFollowTheComputation() {
  TMainForm form(ClockAt(kExample));
  CheckOutputs(form, Expect(2026, 3, 5, 7, 4, 9, 53.3, 14.3, {}));
  // No placeholder text survives the start-up.
  for (const QLineEdit* box : form.findChildren<QLineEdit*>()) {
    QVERIFY2(box->text() != box->objectName(), qPrintable(box->objectName()));
  }
}

// Texts for 07:04:09 UTC on 5 March 2026 worked out by hand: JD 2461104.5 at
// 0h plus 25449 s / 86400 s; a Thursday; the Sun is slow by some 11 1/2 min.
void MainFormTest::knownInstantTexts() {
  TMainForm form(ClockAt(kExample));
  QCOMPARE(form.JulDay->text(), QStringLiteral("   2461104.79"));
  QCOMPARE(form.Weekday->text(), QStringLiteral("  Thursday  "));
  QVERIFY2(form.EqOfTime->text().startsWith("  -11 min : "),
           qPrintable(form.EqOfTime->text()));
  QVERIFY(form.EqOfTime->text().endsWith(" sec."));
  QVERIFY(form.SemiDiam->text().endsWith(" '"));
  // GHA of Aries from the IAU 1982 sidereal time with the equation of the
  // equinoxes: 269° 05.17'; the theory's equinox lies within 0.03'.
  const QString aries = form.GHAAries->text();
  QVERIFY2(aries.startsWith(QString::fromUtf8(" 269\u00B0 05.")), qPrintable(aries));
  QVERIFY2(std::fabs(aries.mid(6, 5).toDouble() - 5.17) < 0.05, qPrintable(aries));

  const char* const starHeader[] = {"Star Name", " SHA ", " Decl. "};
  const char* const lopHeader[] = {"Celestial Body", "  Altitude", "  Azimuth"};
  for (int column = 0; column < 3; ++column) {
    QCOMPARE(Cell(form.StarsOutput, column, 0), QString(starHeader[column]));
    QCOMPARE(Cell(form.LOPGrid, column, 0), QString(lopHeader[column]));
  }
  QCOMPARE(Cell(form.LOPGrid, 0, 1), QStringLiteral("  SUN "));
  QCOMPARE(Cell(form.LOPGrid, 0, 2), QStringLiteral("  MOON "));
  // No star checked: every star cell is a single blank.
  for (int row = 1; row <= 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      QCOMPARE(Cell(form.StarsOutput, column, row), QStringLiteral(" "));
      QCOMPARE(Cell(form.LOPGrid, column, row + 2), QStringLiteral(" "));
    }
  }
}

void MainFormTest::starRows_data() {
  QTest::addColumn<std::vector<int>>("queue");
  QTest::newRow("none") << std::vector<int>{};
  QTest::newRow("Acamar alone") << std::vector<int>{0};
  QTest::newRow("Menekent, Sirius") << std::vector<int>{38, 52};
  QTest::newRow("three, oldest first") << std::vector<int>{52, 38, 56};
  QTest::newRow("three with Acamar last") << std::vector<int>{7, 34, 0};
}

// The queue is filled directly; after a cycle of three stars the rows of a
// shorter queue must be blank again.  The second cycle is for the next day,
// so that stars placed with the previous cycle's Aries would show.
void MainFormTest::starRows() {
  QFETCH(std::vector<int>, queue);
  TMainForm form(ClockAt(kExample));
  const int full[] = {1, 2, 3};
  for (int i = 0; i < 3; ++i) form.FSelStars[i] = full[i];
  form.FSelCount = 3;
  form.UpdateAlmanac();

  for (int i = 0; i < 4; ++i) form.FSelStars[i] = 0;
  for (std::size_t i = 0; i < queue.size(); ++i) form.FSelStars[i] = queue[i];
  form.FSelCount = static_cast<int>(queue.size());
  form.FDay = 6;
  form.UpdateAlmanac();
  CheckOutputs(form, Expect(2026, 3, 6, 7, 4, 9, 53.3, 14.3, queue));
}

void MainFormTest::textWriteRule() {
  TMainForm form(ClockAt(kExample));

  // GMT: its handler runs a cycle, so the cycle count shows each run.
  int cycles = form.UpdateCount();
  form.SetEditText(form.GMTInput, form.GMTInput->text());
  QCOMPARE(form.UpdateCount(), cycles);
  form.SetEditText(form.GMTInput, QStringLiteral("18:05:00"));
  QCOMPARE(form.UpdateCount(), cycles + 1);
  QCOMPARE(form.FHour, 18.0L);
  QCOMPARE(form.FMinute, 5.0L);
  QCOMPARE(form.GMTInput->text(), QStringLiteral("18:05:00"));
  CheckOutputs(form, Expect(2026, 3, 5, 18, 5, 0, 53.3, 14.3, {}));

  // Year: the same text leaves a different stored value alone; a new text
  // is parsed before the write returns.
  form.FYear = 1999;
  form.SetEditText(form.YearInput, form.YearInput->text());
  QCOMPARE(form.FYear, 1999.0L);
  form.SetEditText(form.YearInput, QStringLiteral(" 2030"));
  QCOMPARE(form.FYear, 2030.0L);
  QCOMPARE(form.UpdateCount(), cycles + 1);

  // Position fields parse the written text.
  form.FLatitude = 1;
  form.SetEditText(form.Latitude, form.Latitude->text());
  QCOMPARE(form.FLatitude, 1.0);
  form.SetEditText(form.Latitude, QStringLiteral("-22.347"));
  QCOMPARE(form.FLatitude, -22.347);
  form.SetEditText(form.Longitude, QStringLiteral("-120"));
  QCOMPARE(form.FLongitude, -120.0);

  // Output boxes have no handler: writing them runs no cycle.
  form.SetEditText(form.JulDay, QStringLiteral("x"));
  QCOMPARE(form.UpdateCount(), cycles + 1);
}

void MainFormTest::typingRunsTheChangeHandler() {
  TMainForm form(ClockAt(kExample));
  form.show();
  form.GMTInput->setFocus();
  form.GMTInput->selectAll();
  const int cycles = form.UpdateCount();
  // Each keystroke changes the text once and runs one cycle.
  QTest::keyClicks(form.GMTInput, QStringLiteral("12:34"));
  QCOMPARE(form.GMTInput->text(), QStringLiteral("12:34"));
  QCOMPARE(form.UpdateCount(), cycles + 5);
  QCOMPARE(form.FHour, 12.0L);
  QCOMPARE(form.FMinute, 34.0L);
  QCOMPARE(form.FSecond, 9.0L);

  // Typing in a date field stores the value and runs no cycle.
  form.YearInput->setFocus();
  form.YearInput->selectAll();
  QTest::keyClicks(form.YearInput, QStringLiteral("2051"));
  QCOMPARE(form.FYear, 2050.0L);
  QCOMPARE(form.UpdateCount(), cycles + 5);
}

// Day 31 typed in March, then month 2: the cycle computes for 3 March 2026
// and leaves the state on that date.
void MainFormTest::dayBeyondItsMonthRollsOver() {
  TMainForm form(ClockAt(kExample));
  form.SetEditText(form.DayInput, QStringLiteral(" 31"));
  QCOMPARE(form.FDay, 31.0L);
  form.SetEditText(form.MonthInput, QStringLiteral(" 02"));
  QCOMPARE(form.FMonth, 2.0L);
  QCOMPARE(form.FDay, 31.0L);

  form.UpdateAlmanac();
  QCOMPARE(form.FYear, 2026.0L);
  QCOMPARE(form.FMonth, 3.0L);
  QCOMPARE(form.FDay, 3.0L);
  QCOMPARE(form.Weekday->text(), QStringLiteral("  Tuesday   "));
  QCOMPARE(form.JulDay->text(), QStringLiteral("   2461102.79"));
  const Expected rolled = Expect(2026, 2, 31, 7, 4, 9, 53.3, 14.3, {});
  QCOMPARE(rolled.month, 3.0L);
  CheckOutputs(form, rolled);
  // The same instant entered as 3 March gives the same texts.
  CheckOutputs(form, Expect(2026, 3, 3, 7, 4, 9, 53.3, 14.3, {}));
}

void MainFormTest::leavingAFieldRewritesIt_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<int>("cycles");

  // Date fields: one cycle on leaving.  GMT: one cycle per keystroke, then
  // one for the rewritten text and one more.  Position: one on leaving.
  QTest::newRow("year emptied") << "YearInput" << "" << " 1900" << 1;
  QTest::newRow("year 2051") << "YearInput" << "2051" << " 2050" << 1;
  QTest::newRow("year 1998") << "YearInput" << "1998" << " 1998" << 1;
  QTest::newRow("month 13") << "MonthInput" << "13" << " 12" << 1;
  QTest::newRow("month 7") << "MonthInput" << "7" << " 07" << 1;
  QTest::newRow("day 4") << "DayInput" << "4" << " 04" << 1;
  QTest::newRow("GMT 25:61:61") << "GMTInput" << "25:61:61" << " 23:59:59"
                                << 8 + 2;
  QTest::newRow("GMT 1") << "GMTInput" << "1" << "01:04:09" << 1 + 2;
  QTest::newRow("GMT canonical") << "GMTInput" << "09:05:07" << "09:05:07"
                                 << 8 + 1;
  QTest::newRow("latitude -22.347")
      << "Latitude" << "-22.347" << QString::fromUtf8("  22\u00B0 34.7' S") << 1;
  QTest::newRow("latitude 0")
      << "Latitude" << "0" << QString::fromUtf8("  00\u00B0 00.0' S") << 1;
  QTest::newRow("longitude 5.3")
      << "Longitude" << "5.3" << QString::fromUtf8(" 005\u00B0 30.0' E") << 1;
  QTest::newRow("longitude -120")
      << "Longitude" << "-120" << QString::fromUtf8("   120\u00B0 00.0' W") << 1;
}

// The user replaces a field's text and tabs on: the exit handler rewrites it
// and the outputs are those of the new state.
void MainFormTest::leavingAFieldRewritesIt() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(int, cycles);
  TMainForm form(ClockAt(kExample));
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  auto* edit = form.findChild<QLineEdit*>(field);
  QVERIFY(edit != nullptr);
  edit->setFocus();
  QCOMPARE(QApplication::focusWidget(), edit);

  const int before = form.UpdateCount();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, typed);
  QTest::keyClick(edit, Qt::Key_Tab);
  QVERIFY(QApplication::focusWidget() != edit);

  QCOMPARE(edit->text(), shown);
  // Deleting the old text is one more change of the GMT field.
  const int deleteCycles = field == "GMTInput" ? 1 : 0;
  QCOMPARE(form.UpdateCount() - before, cycles + deleteCycles);
  CheckOutputs(form, Expect(form.FYear, form.FMonth, form.FDay, form.FHour,
                            form.FMinute, form.FSecond, form.FLatitude,
                            form.FLongitude, {}));
}

// The start-up text has one blank before 014, the exit form two.
void MainFormTest::leavingTheLongitudeAfterStartUp() {
  TMainForm form(ClockAt(kExample));
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.Longitude->setFocus();
  const int before = form.UpdateCount();
  QTest::keyClick(form.Longitude, Qt::Key_Tab);
  QCOMPARE(form.Longitude->text(), QString::fromUtf8("  014\u00B0 30.0' E"));
  QCOMPARE(form.FLongitude, 14.3);
  QCOMPARE(form.UpdateCount() - before, 1);
}

// 29 February 1900 is accepted by the day field; leaving it, the cycle rolls
// it over to 1 March and all three date fields show the new date.
void MainFormTest::leavingTheDayRollsTheDateOver() {
  TMainForm form(ClockAt(kExample));
  form.SetEditText(form.YearInput, QStringLiteral(" 1900"));
  form.SetEditText(form.MonthInput, QStringLiteral(" 02"));
  form.SetEditText(form.DayInput, QStringLiteral(" 29"));
  QCOMPARE(form.FDay, 29.0L);
  const int before = form.UpdateCount();
  form.DayInputExit();
  QCOMPARE(form.UpdateCount() - before, 1);
  QCOMPARE(form.DayInput->text(), QStringLiteral(" 01"));
  QCOMPARE(form.MonthInput->text(), QStringLiteral(" 03"));
  QCOMPARE(form.YearInput->text(), QStringLiteral(" 1900"));
  QCOMPARE(form.FDay, 1.0L);
  QCOMPARE(form.FMonth, 3.0L);
  CheckOutputs(form, Expect(1900, 2, 29, 7, 4, 9, 53.3, 14.3, {}));
}

// A new date moves a star's altitude and azimuth in the very cycle that
// shows the new Aries.
void MainFormTest::starsFollowTheDateInTheSameCycle() {
  TMainForm form(ClockAt(kExample));
  form.FSelStars[0] = 52;
  form.FSelStars[1] = 12;
  form.FSelCount = 2;
  form.UpdateAlmanac();
  const QString before = Cell(form.LOPGrid, 2, 3);
  form.SetEditText(form.DayInput, QStringLiteral(" 06"));
  form.DayInputExit();
  QVERIFY(Cell(form.LOPGrid, 2, 3) != before);
  CheckOutputs(form, Expect(2026, 3, 6, 7, 4, 9, 53.3, 14.3, {52, 12}));
}

void MainFormTest::starListQueue_data() {
  QTest::addColumn<std::vector<int>>("toggles");
  QTest::addColumn<std::vector<int>>("queue");

  QTest::newRow("one") << std::vector<int>{38} << std::vector<int>{38};
  QTest::newRow("three in checking order")
      << std::vector<int>{52, 5, 44} << std::vector<int>{52, 5, 44};
  QTest::newRow("a fourth drops the oldest")
      << std::vector<int>{5, 9, 12, 20} << std::vector<int>{9, 12, 20};
  QTest::newRow("five")
      << std::vector<int>{5, 9, 12, 20, 30} << std::vector<int>{12, 20, 30};
  QTest::newRow("uncheck the middle")
      << std::vector<int>{5, 9, 12, 9} << std::vector<int>{5, 12};
  QTest::newRow("uncheck the oldest")
      << std::vector<int>{5, 9, 12, 5} << std::vector<int>{9, 12};
  QTest::newRow("uncheck and check again")
      << std::vector<int>{5, 9, 5, 5} << std::vector<int>{9, 5};
  QTest::newRow("Acamar stays alone")
      << std::vector<int>{0, 7, 7} << std::vector<int>{0};
  QTest::newRow("Acamar unchecked last")
      << std::vector<int>{0, 7, 7, 0} << std::vector<int>{};
  QTest::newRow("Acamar behind another, other unchecked")
      << std::vector<int>{7, 0, 7} << std::vector<int>{0};
  QTest::newRow("last star")
      << std::vector<int>{56, 0} << std::vector<int>{56, 0};
}

// Toggles made as the user makes them (current item, space bar): the queue,
// the check marks and both grids.
void MainFormTest::starListQueue() {
  QFETCH(std::vector<int>, toggles);
  QFETCH(std::vector<int>, queue);
  TMainForm form(ClockAt(kExample));
  const int before = form.UpdateCount();
  for (int k : toggles) {
    form.StarList->setCurrentIndex(k);
    QTest::keyClick(form.StarList, Qt::Key_Space);
  }
  QCOMPARE(form.UpdateCount() - before, static_cast<int>(toggles.size()));
  QCOMPARE(form.FSelCount, static_cast<int>(queue.size()));
  for (int slot = 0; slot < 4; ++slot) {
    const int want = slot < static_cast<int>(queue.size()) ? queue[slot] : 0;
    QCOMPARE(form.FSelStars[slot], want);
  }
  for (int k = 0; k < StarCount; ++k) {
    const bool queued = std::find(queue.begin(), queue.end(), k) != queue.end();
    QVERIFY2(form.StarList->isChecked(k) == queued, qPrintable(QString::number(k)));
  }
  CheckOutputs(form, Expect(2026, 3, 5, 7, 4, 9, 53.3, 14.3, queue));
}

void MainFormTest::buttonsShowTheDialogs() {
  TMainForm form(ClockAt(kExample));
  TAboutBox about(&form);
  THelpBox help(&form);
  AboutBox = &about;
  HelpBox = &help;

  struct Case {
    QToolButton* button;
    QDialog* dialog;
  };
  for (const Case& c : {Case{form.BitBtn1, &about}, Case{form.BitBtn2, &help}}) {
    bool shownModally = false;
    QTimer::singleShot(0, c.dialog, [&] {
      shownModally = QApplication::activeModalWidget() == c.dialog;
      c.dialog->accept();
    });
    const int before = form.UpdateCount();
    c.button->click();
    QVERIFY2(shownModally, qPrintable(c.button->objectName()));
    QVERIFY(!c.dialog->isVisible());
    QCOMPARE(form.UpdateCount(), before);
  }
  AboutBox = nullptr;
  HelpBox = nullptr;
}

void MainFormTest::resizingSwitchesTheScrollBars() {
  TMainForm form(ClockAt(kExample));
  form.setWindowState(Qt::WindowNoState);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  struct Case {
    int width, height;
    Qt::ScrollBarPolicy horizontal, vertical;
  };
  const Case cases[] = {
      {799, 700, Qt::ScrollBarAsNeeded, Qt::ScrollBarAlwaysOff},
      {800, 599, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAsNeeded},
      {640, 480, Qt::ScrollBarAsNeeded, Qt::ScrollBarAsNeeded},
      {800, 600, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff},
  };
  // The sizes are those of the whole window, frame included.
  const QSize frame = form.frameGeometry().size() - form.geometry().size();
  for (const Case& c : cases) {
    form.resize(QSize(c.width, c.height) - frame);
    QTRY_COMPARE(form.frameGeometry().size(), QSize(c.width, c.height));
    QCOMPARE(form.ClientArea->horizontalScrollBarPolicy(), c.horizontal);
    QCOMPARE(form.ClientArea->verticalScrollBarPolicy(), c.vertical);
  }
  // Too narrow: the fixed layout can be scrolled into view.
  form.resize(640, 480);
  QTRY_VERIFY(form.ClientArea->horizontalScrollBar()->isVisible());
  QVERIFY(form.ClientArea->horizontalScrollBar()->maximum() > 0);
}

void MainFormTest::layoutOfTheControls_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("text");

  struct Row {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* text;  // nullptr: not checked
  };
  const Row rows[] = {
      {"GroupBox9", "Panel2", {8, 32, 625, 105}, "Input Day, Time and Position"},
      {"YearInput", "GroupBox9", {11, 28, 55, 27}, nullptr},
      {"MonthInput", "GroupBox9", {69, 28, 36, 27}, nullptr},
      {"DayInput", "GroupBox9", {107, 28, 36, 27}, nullptr},
      {"GMTInput", "GroupBox9", {56, 60, 88, 27}, nullptr},
      {"Latitude", "GroupBox9", {171, 61, 111, 26}, nullptr},
      {"Longitude", "GroupBox9", {291, 60, 111, 26}, nullptr},
      {"Memo1", "GroupBox9", {424, 16, 185, 81}, nullptr},
      {"GroupBox2", "Panel2", {8, 146, 150, 52}, "Aries "},
      {"GHAAries", "GroupBox2", {48, 21, 98, 26}, nullptr},
      {"GroupBox3", "Panel2", {8, 214, 150, 123}, "Sun "},
      {"GHASlonce", "GroupBox3", {48, 20, 98, 25}, nullptr},
      {"DeclSun", "GroupBox3", {48, 52, 98, 25}, nullptr},
      {"SemiDiam", "GroupBox3", {48, 85, 40, 25}, nullptr},
      {"GroupBox4", "Panel2", {9, 348, 149, 135}, "Moon "},
      {"MoonGHA", "GroupBox4", {48, 20, 96, 25}, nullptr},
      {"MoonDec", "GroupBox4", {48, 48, 96, 25}, nullptr},
      {"MoonHP", "GroupBox4", {48, 76, 46, 25}, nullptr},
      {"MoonSD", "GroupBox4", {48, 104, 46, 25}, nullptr},
      {"GroupBox8", "Panel2", {174, 147, 372, 190}, "Line Of Position "},
      {"LOPGrid", "GroupBox8", {6, 25, 360, 155}, nullptr},
      {"GroupBox10", "Panel2", {174, 348, 373, 135}, "Stars Ephemeries"},
      {"StarsOutput", "GroupBox10", {7, 24, 362, 101}, nullptr},
      {"GroupBox6", "Panel2", {8, 495, 150, 51}, "Julian Day "},
      {"JulDay", "GroupBox6", {7, 20, 137, 25}, nullptr},
      {"GroupBox5", "Panel2", {174, 495, 117, 51}, "Weekday "},
      {"Weekday", "GroupBox5", {7, 20, 104, 25}, nullptr},
      {"GroupBox7", "Panel2", {307, 495, 150, 51}, "Equation of Time "},
      {"EqOfTime", "GroupBox7", {7, 20, 137, 25}, nullptr},
      {"BitBtn1", "Panel2", {558, 153, 63, 186}, "About"},
      {"BitBtn2", "Panel2", {560, 356, 63, 129}, "Help"},
      {"Label4", "GroupBox9", {16, 64, -1, -1}, "GMT"},
      {"Label1", "GroupBox9", {189, 28, -1, -1}, "Latitude"},
      {"Label2", "GroupBox9", {301, 27, -1, -1}, "Longitude"},
      {"Label6", "GroupBox2", {7, 22, -1, -1}, "GHA"},
      {"Label9", "GroupBox3", {9, 26, -1, -1}, "GHA"},
      {"Label8", "GroupBox3", {9, 52, -1, -1}, "Dec."},
      {"Label10", "GroupBox3", {9, 85, -1, -1}, "S.D."},
      {"Label11", "GroupBox4", {9, 20, -1, -1}, "GHA"},
      {"Label12", "GroupBox4", {9, 46, -1, -1}, "Dec."},
      {"Label13", "GroupBox4", {9, 78, -1, -1}, "H.P."},
      {"Label5", "GroupBox4", {9, 105, -1, -1}, "S.D."},
  };
  for (const Row& row : rows) {
    QTest::newRow(row.name) << QString(row.name) << QString(row.parent)
                            << row.geometry
                            << (row.text ? QString(row.text) : QString());
  }
}

// Position and size in the parent (labels: only their top-left corner) and
// the caption where the control has one.
void MainFormTest::layoutOfTheControls() {
  QFETCH(QString, name);
  QFETCH(QString, parent);
  QFETCH(QRect, geometry);
  QFETCH(QString, text);
  TMainForm form(ClockAt(kExample));
  auto* widget = form.findChild<QWidget*>(name);
  QVERIFY(widget != nullptr);
  QCOMPARE(widget->parentWidget()->objectName(), parent);
  if (geometry.width() < 0) {
    QCOMPARE(widget->pos(), geometry.topLeft());
  } else {
    QCOMPARE(widget->geometry(), geometry);
  }
  if (text.isNull()) return;
  if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    QCOMPARE(box->title(), text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    QCOMPARE(label->text(), text);
  } else if (auto* button = qobject_cast<QToolButton*>(widget)) {
    QCOMPARE(button->text(), text);
  }
}

void MainFormTest::gridsAndMemo() {
  TMainForm form(ClockAt(kExample));

  struct GridCase {
    const QTableWidget* grid;
    std::vector<int> heights;
  };
  const GridCase grids[] = {{form.LOPGrid, {24, 25, 24, 24, 24, 24}},
                            {form.StarsOutput, {24, 24, 24, 24}}};
  for (const GridCase& g : grids) {
    QCOMPARE(g.grid->columnCount(), 3);
    QCOMPARE(g.grid->rowCount(), static_cast<int>(g.heights.size()));
    for (int column = 0; column < 3; ++column) {
      QCOMPARE(g.grid->columnWidth(column), 118);
    }
    for (std::size_t row = 0; row < g.heights.size(); ++row) {
      QCOMPARE(g.grid->rowHeight(static_cast<int>(row)), g.heights[row]);
    }
    QCOMPARE(g.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(g.grid->horizontalHeader()->isHidden());
    QVERIFY(g.grid->verticalHeader()->isHidden());
    QCOMPARE(g.grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(g.grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  }

  QCOMPARE(form.Memo1->toPlainText().split('\n'),
           QStringList({"Input Latitude or Longitude in format ",
                        ": +/-DD.MMd ",
                        QString::fromUtf8("Example: -22.347  = Lat 22\u00B034.7' S"),
                        "(minus)  Lat S", "(minus) Long W"}));
  QVERIFY(form.Memo1->isReadOnly());

  // Output boxes are read-only, inputs are not.
  const QLineEdit* outputs[] = {form.GHAAries, form.GHASlonce, form.DeclSun,
                                form.SemiDiam, form.MoonGHA,   form.MoonDec,
                                form.MoonHP,   form.MoonSD,    form.JulDay,
                                form.Weekday,  form.EqOfTime};
  for (const QLineEdit* box : outputs) QVERIFY(box->isReadOnly());
  const QLineEdit* inputs[] = {form.YearInput, form.MonthInput, form.DayInput,
                               form.GMTInput,  form.Latitude,   form.Longitude};
  for (const QLineEdit* box : inputs) QVERIFY(!box->isReadOnly());

  // The scrolled client area: at least 800 x 600, scroll bars hidden.
  QCOMPARE(form.ClientArea->widget()->minimumSize(), QSize(800, 600));
  QCOMPARE(form.ClientArea->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(form.ClientArea->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(form.GroupBox1->width(), 153);
  QCOMPARE(form.GroupBox1->title(), QStringLiteral("Star List"));
}

// Tab goes round the nine tab stops in their order and skips the rest.
void MainFormTest::tabOrder() {
  TMainForm form(ClockAt(kExample));
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.StarList->setFocus();
  QCOMPARE(QApplication::focusWidget(), form.StarList);
  const QStringList expected = {"BitBtn1",  "YearInput", "MonthInput",
                                "DayInput", "GMTInput",  "Latitude",
                                "Longitude", "BitBtn2",  "StarList"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, expected);
}

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
