#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "app/widgets/star_check_list.h"
#include "app/widgets/tests/widgets_tests.h"

namespace {

// The main window's star list, in catalogue order.
const QStringList kStarCaptions = {
    "Acamar",      "Achernar",    "Acrux",        "Adhara",    "Aldebaran",  "Alioth",
    "Alkaid",      "Al'Na'ir",    "Alnilam",      "Alphard",   "Alphecca",   "Alpheratz",
    "Altair",      "Ankaa",       "Antares",      "Arcturus",  "Atria",      "Avior",
    "Bellatrix",   "Betelgeuse",  "Canopus",      "Capella",   "Deneb",      "Denebola",
    "Diphda",      "Dubhe",       "Elnath",       "Eltanin",   "Enif",       "Fomalhaut",
    "Gacrux",      "Gienah",      "Hadar",        "Hamal",     "Kaus Austr.", "Kochab",
    "Markab",      "Menkar",      "Menment",      "Miaplacidus", "Mirfak",   "Nunki",
    "Peacock",     "Pollux",      "Procyon",      "Rasalhague", "Regulus",   "Rigiel",
    "Rigil Kent.", "Sabik",       "Schedar",      "Shaula",    "Sirius",     "Spica",
    "Suhail",      "Vega",        "Zubenelgeubi"};

// What a changing() handler saw when it ran.
struct Request {
  int index;
  bool newChecked;
  bool allowOnEntry;
  bool shownChecked;  // the item's state while the handler ran
  int current;        // the list's current item while the handler ran
};

}  // namespace

class StarCheckListTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startsWithCaptionsUncheckedAndItemHeight20();
  void scrollBarAppearsOnlyWhenItemsOverflow();
  void toggleAsksFirstThenApplies_data();
  void toggleAsksFirstThenApplies();
  void clickBesideTheBoxOnlyMakesItemCurrent();
  void clickBelowTheLastItemDoesNothing();
  void doubleClickOnBoxTogglesTwice();
  void refusedToggleKeepsOldState_data();
  void refusedToggleKeepsOldState();
  void silentSetRaisesNoSignal();
  void handlerMayUncheckAnotherItemSilently();
  void arrowKeysMoveCurrentAndScrollIntoView();
  void clickOnScrolledListHitsTheItemShown();

 private:
  enum Route { ClickOnBox, SpaceBar };
  void toggle(int index, Route route);
  void record();

  std::unique_ptr<TStarCheckList> list_;
  QVector<Request> requests_;
  bool refuse_ = false;
};

void StarCheckListTest::init() {
  list_ = std::make_unique<TStarCheckList>();
  list_->setItems(kStarCaptions);
  list_->resize(153, 300);
  list_->show();
  QVERIFY(QTest::qWaitForWindowExposed(list_.get()));
  requests_.clear();
  refuse_ = false;
  record();
}

void StarCheckListTest::cleanup() { list_.reset(); }

void StarCheckListTest::record() {
  TStarCheckList* list = list_.get();
  connect(list, &TStarCheckList::changing, this, [this, list](int index, bool newChecked, bool* allow) {
    requests_.append({index, newChecked, *allow, list->isChecked(index), list->currentIndex()});
    if (refuse_) *allow = false;
  });
}

void StarCheckListTest::toggle(int index, Route route) {
  if (route == ClickOnBox) {
    const QRect box = list_->checkBoxRect(index);
    QVERIFY(list_->viewport()->rect().contains(box));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, box.center());
  } else {
    list_->setCurrentIndex(index);
    QTest::keyClick(list_.get(), Qt::Key_Space);
  }
}

void StarCheckListTest::startsWithCaptionsUncheckedAndItemHeight20() {
  QCOMPARE(list_->count(), 57);
  for (int i = 0; i < list_->count(); ++i) {
    QCOMPARE(list_->itemText(i), kStarCaptions.at(i));
    QVERIFY(!list_->isChecked(i));
  }
  QCOMPARE(list_->itemHeight(), 20);
  QCOMPARE(list_->itemRect(1).top() - list_->itemRect(0).top(), 20);
  QCOMPARE(list_->itemRect(0).height(), 20);
  QCOMPARE(list_->currentIndex(), -1);
  QVERIFY(list_->itemRect(0).contains(list_->checkBoxRect(0)));
}

void StarCheckListTest::scrollBarAppearsOnlyWhenItemsOverflow() {
  QVERIFY(list_->verticalScrollBar()->isVisible());

  list_->setItems(kStarCaptions.mid(0, 5));
  QCoreApplication::processEvents();
  QVERIFY(!list_->verticalScrollBar()->isVisible());
  QCOMPARE(list_->count(), 5);
}

void StarCheckListTest::toggleAsksFirstThenApplies_data() {
  QTest::addColumn<int>("route");
  QTest::addColumn<int>("index");
  QTest::newRow("click on the check box") << int(ClickOnBox) << 3;
  QTest::newRow("space bar on the current item") << int(SpaceBar) << 7;
}

// Each toggle raises changing() once, with the item still showing its old
// state and already current; the new state follows after the handler.
// Toggling three times goes checked, unchecked, checked: two states only.
void StarCheckListTest::toggleAsksFirstThenApplies() {
  QFETCH(int, route);
  QFETCH(int, index);

  const bool expected[] = {true, false, true};
  for (int round = 0; round < 3; ++round) {
    toggle(index, Route(route));
    QCOMPARE(requests_.size(), round + 1);
    const Request& request = requests_.last();
    QCOMPARE(request.index, index);
    QCOMPARE(request.newChecked, expected[round]);
    QVERIFY(request.allowOnEntry);
    QCOMPARE(request.shownChecked, !expected[round]);
    QCOMPARE(request.current, index);
    QCOMPARE(list_->isChecked(index), expected[round]);
  }
  for (int i = 0; i < list_->count(); ++i) {
    if (i != index) QVERIFY(!list_->isChecked(i));
  }
}

void StarCheckListTest::clickBesideTheBoxOnlyMakesItemCurrent() {
  const QRect item = list_->itemRect(5);
  const QPoint onCaption(list_->checkBoxRect(5).right() + 30, item.center().y());
  QVERIFY(!list_->checkBoxRect(5).contains(onCaption));

  QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, onCaption);
  QCOMPARE(list_->currentIndex(), 5);
  QVERIFY(requests_.isEmpty());
  QVERIFY(!list_->isChecked(5));

  // The space bar now toggles that item.
  QTest::keyClick(list_.get(), Qt::Key_Space);
  QCOMPARE(requests_.size(), 1);
  QCOMPARE(requests_.at(0).index, 5);
  QVERIFY(list_->isChecked(5));
}

void StarCheckListTest::clickBelowTheLastItemDoesNothing() {
  list_->setItems(kStarCaptions.mid(0, 3));
  list_->setCurrentIndex(1);
  QTest::mouseClick(list_->viewport(), Qt::LeftButton, {},
                    QPoint(list_->checkBoxRect(0).center().x(), list_->itemRect(2).bottom() + 15));
  QCOMPARE(list_->currentIndex(), 1);
  QVERIFY(requests_.isEmpty());
}

// Through the window, as the user's mouse does it: press, release, double
// click, release.
void StarCheckListTest::doubleClickOnBoxTogglesTwice() {
  const QPoint box = list_->viewport()->mapTo(list_.get(), list_->checkBoxRect(2).center());
  QTest::mouseDClick(list_->windowHandle(), Qt::LeftButton, {}, box);
  QCOMPARE(requests_.size(), 2);
  QCOMPARE(requests_.at(0).newChecked, true);
  QCOMPARE(requests_.at(1).newChecked, false);
  QVERIFY(!list_->isChecked(2));
}

void StarCheckListTest::refusedToggleKeepsOldState_data() { toggleAsksFirstThenApplies_data(); }

void StarCheckListTest::refusedToggleKeepsOldState() {
  QFETCH(int, route);
  QFETCH(int, index);

  refuse_ = true;
  toggle(index, Route(route));
  QCOMPARE(requests_.size(), 1);
  QVERIFY(!list_->isChecked(index));

  // Refusing an uncheck keeps the check mark.
  list_->setCheckedSilently(index, true);
  toggle(index, Route(route));
  QCOMPARE(requests_.size(), 2);
  QCOMPARE(requests_.at(1).newChecked, false);
  QVERIFY(list_->isChecked(index));
}

void StarCheckListTest::silentSetRaisesNoSignal() {
  QSignalSpy spy(list_.get(), &TStarCheckList::changing);
  list_->setCheckedSilently(2, true);
  QVERIFY(list_->isChecked(2));
  list_->setCheckedSilently(2, true);
  QVERIFY(list_->isChecked(2));
  list_->setCheckedSilently(2, false);
  QVERIFY(!list_->isChecked(2));
  list_->setCheckedSilently(-1, true);
  list_->setCheckedSilently(57, true);
  QCOMPARE(spy.count(), 0);
  QVERIFY(requests_.isEmpty());
  QCOMPARE(list_->currentIndex(), -1);
}

// How the main window keeps at most three stars: checking a fourth one
// unchecks the oldest from inside the handler, without a second request.
void StarCheckListTest::handlerMayUncheckAnotherItemSilently() {
  QVector<int> queue;
  TStarCheckList* list = list_.get();
  connect(list, &TStarCheckList::changing, this, [&queue, list](int index, bool newChecked, bool*) {
    if (!newChecked) {
      queue.removeAll(index);
      return;
    }
    queue.append(index);
    if (queue.size() > 3) list->setCheckedSilently(queue.takeFirst(), false);
  });

  for (int star : {0, 4, 9, 13}) toggle(star, ClickOnBox);

  QCOMPARE(requests_.size(), 4);
  QCOMPARE(queue, QVector<int>({4, 9, 13}));
  QVERIFY(!list_->isChecked(0));
  for (int star : {4, 9, 13}) QVERIFY(list_->isChecked(star));
}

void StarCheckListTest::arrowKeysMoveCurrentAndScrollIntoView() {
  struct Step {
    Qt::Key key;
    int current;
  };
  const Step steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Up, 0},
                        {Qt::Key_Up, 0},   {Qt::Key_End, 56}, {Qt::Key_Down, 56},
                        {Qt::Key_Up, 55},  {Qt::Key_Home, 0}};
  for (const Step& step : steps) {
    QTest::keyClick(list_.get(), step.key);
    QCOMPARE(list_->currentIndex(), step.current);
    const QRect shown = list_->itemRect(step.current);
    QVERIFY(shown.top() >= 0);
    QVERIFY(shown.bottom() < list_->viewport()->height());
  }
  QVERIFY(requests_.isEmpty());
}

void StarCheckListTest::clickOnScrolledListHitsTheItemShown() {
  list_->verticalScrollBar()->setValue(list_->verticalScrollBar()->maximum());
  const QRect box = list_->checkBoxRect(56);
  QVERIFY(box.bottom() < list_->viewport()->height());

  QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, box.center());
  QCOMPARE(requests_.size(), 1);
  QCOMPARE(requests_.at(0).index, 56);
  QVERIFY(list_->isChecked(56));
}

int RunStarCheckListTests(int argc, char** argv) {
  StarCheckListTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "star_check_list_test.moc"
