// A list of captions, each with a two-state check box, for choosing stars.
//
// The user toggles the current item: a click on an item's check box makes the
// item current and asks to toggle it, and the space bar on the focused list
// asks to toggle the current item; a click elsewhere on an item only makes it
// current.  Before a toggle takes effect the list emits changing() with the
// item index, the new state and a permission flag that starts set; after the
// handlers return, the list applies the new state if the flag is still set.
// setCheckedSilently() changes a check mark from the program without
// emitting changing().  The arrow keys (and Home, End, Page Up, Page Down)
// move the current item, and the list scrolls to keep it in view.
#ifndef VELMOOR_APP_WIDGETS_STAR_CHECK_LIST_H
#define VELMOOR_APP_WIDGETS_STAR_CHECK_LIST_H

#include <QAbstractScrollArea>
#include <QRect>
#include <QStringList>
#include <QVector>

class TStarCheckList : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TStarCheckList(QWidget* parent = nullptr);

  void setItems(const QStringList& captions);  // all unchecked
  int count() const;
  QString itemText(int index) const;

  bool isChecked(int index) const;
  void setCheckedSilently(int index, bool checked);

  int currentIndex() const;  // -1 when there is none
  void setCurrentIndex(int index);

  int itemHeight() const;
  void setItemHeight(int pixels);

  // Where an item and its check box are drawn, in viewport coordinates.
  QRect itemRect(int index) const;
  QRect checkBoxRect(int index) const;

 signals:
  void changing(int index, bool newChecked, bool* allow);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void requestToggle(int index);
  void updateScrollBar();
  int indexAt(const QPoint& viewportPos) const;
  QRect captionRect(int index) const;
  void ensureVisible(int index);
  void repaintItem(int index);

  QStringList captions_;
  QVector<bool> checked_;
  int current_ = -1;
  int itemHeight_ = 20;
};

#endif  // VELMOOR_APP_WIDGETS_STAR_CHECK_LIST_H
