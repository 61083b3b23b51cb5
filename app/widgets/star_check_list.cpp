#include "app/widgets/star_check_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

// Space between the item's left edge and its check box, and between the
// check box and the caption.
constexpr int kBoxMargin = 2;
constexpr int kCaptionGap = 4;

}  // namespace

TStarCheckList::TStarCheckList(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  updateScrollBar();
}

void TStarCheckList::setItems(const QStringList& captions) {
  captions_ = captions;
  checked_ = QVector<bool>(captions_.size(), false);
  current_ = -1;
  updateScrollBar();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

int TStarCheckList::count() const { return static_cast<int>(captions_.size()); }

QString TStarCheckList::itemText(int index) const {
  return index >= 0 && index < count() ? captions_.at(index) : QString();
}

bool TStarCheckList::isChecked(int index) const {
  return index >= 0 && index < count() && checked_.at(index);
}

void TStarCheckList::setCheckedSilently(int index, bool checked) {
  if (index < 0 || index >= count() || checked_.at(index) == checked) return;
  checked_[index] = checked;
  repaintItem(index);
}

int TStarCheckList::currentIndex() const { return current_; }

void TStarCheckList::setCurrentIndex(int index) {
  if (index < -1 || index >= count()) return;
  if (index == current_) {
    ensureVisible(index);
    return;
  }
  const int previous = current_;
  current_ = index;
  repaintItem(previous);
  repaintItem(current_);
  ensureVisible(current_);
}

int TStarCheckList::itemHeight() const { return itemHeight_; }

void TStarCheckList::setItemHeight(int pixels) {
  pixels = std::max(pixels, 1);
  if (pixels == itemHeight_) return;
  itemHeight_ = pixels;
  updateScrollBar();
  viewport()->update();
}

QRect TStarCheckList::itemRect(int index) const {
  if (index < 0 || index >= count()) return QRect();
  const int top = index * itemHeight_ - verticalScrollBar()->value();
  return QRect(0, top, viewport()->width(), itemHeight_);
}

QRect TStarCheckList::checkBoxRect(int index) const {
  const QRect item = itemRect(index);
  if (item.isNull()) return QRect();
  const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
  const int side = std::max(1, std::min(indicator, itemHeight_ - 2));
  return QRect(item.left() + kBoxMargin, item.top() + (itemHeight_ - side) / 2, side, side);
}

// The part of an item behind its caption: highlighted when the item is
// current, framed when the list also has the focus.
QRect TStarCheckList::captionRect(int index) const {
  const QRect item = itemRect(index);
  if (item.isNull()) return QRect();
  const int left = checkBoxRect(index).right() + 1 + kCaptionGap;
  return QRect(left, item.top(), std::max(0, item.right() + 1 - left), item.height());
}

int TStarCheckList::indexAt(const QPoint& viewportPos) const {
  if (viewportPos.y() < 0 || viewportPos.x() < 0 || viewportPos.x() >= viewport()->width()) {
    return -1;
  }
  const int index = (viewportPos.y() + verticalScrollBar()->value()) / itemHeight_;
  return index < count() ? index : -1;
}

void TStarCheckList::requestToggle(int index) {
  if (index < 0 || index >= count()) return;
  const bool newChecked = !checked_.at(index);
  bool allow = true;
  emit changing(index, newChecked, &allow);
  // A handler may have replaced the items meanwhile.
  if (allow && index < count()) {
    checked_[index] = newChecked;
    repaintItem(index);
  }
}

void TStarCheckList::updateScrollBar() {
  QScrollBar* bar = verticalScrollBar();
  const int page = viewport()->height();
  const int total = count() * itemHeight_;
  bar->setSingleStep(itemHeight_);
  bar->setPageStep(std::max(page, 1));
  bar->setRange(0, std::max(0, total - page));
}

void TStarCheckList::ensureVisible(int index) {
  if (index < 0 || index >= count()) return;
  QScrollBar* bar = verticalScrollBar();
  const int top = index * itemHeight_;
  const int bottom = top + itemHeight_;
  if (top < bar->value()) {
    bar->setValue(top);
  } else if (bottom > bar->value() + viewport()->height()) {
    bar->setValue(bottom - viewport()->height());
  }
}

void TStarCheckList::repaintItem(int index) {
  const QRect rect = itemRect(index);
  if (!rect.isNull()) viewport()->update(rect);
}

void TStarCheckList::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  const int height = viewport()->height();
  if (count() == 0 || itemHeight_ <= 0) return;

  const int first = std::max(0, verticalScrollBar()->value() / itemHeight_);
  const int last = std::min(count() - 1, (verticalScrollBar()->value() + height) / itemHeight_);
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Normal : QPalette::Disabled;

  for (int i = first; i <= last; ++i) {
    QStyleOptionButton box;
    box.initFrom(this);
    box.rect = checkBoxRect(i);
    box.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    box.state |= checked_.at(i) ? QStyle::State_On : QStyle::State_Off;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, this);

    const QRect caption = captionRect(i);
    const bool current = i == current_;
    if (current) painter.fillRect(caption, palette().brush(group, QPalette::Highlight));
    painter.setPen(palette().color(group, current ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(caption.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     captions_.at(i));

    if (current && hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = caption;
      focus.backgroundColor = palette().color(group, QPalette::Highlight);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
  }
}

void TStarCheckList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const QPoint pos = event->position().toPoint();
  event->accept();
  const int index = indexAt(pos);
  if (index < 0) return;
  setCurrentIndex(index);
  if (checkBoxRect(index).contains(pos)) requestToggle(index);
}

void TStarCheckList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
  } else {
    QAbstractScrollArea::mouseReleaseEvent(event);
  }
}

// The second click of a quick double click acts like any other click, so
// that two quick clicks on a check box toggle it twice.
void TStarCheckList::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TStarCheckList::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const int itemsPerPage = std::max(1, viewport()->height() / itemHeight_);
  const int last = count() - 1;
  switch (event->key()) {
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) requestToggle(current_);
      return;
    case Qt::Key_Up:
      if (last >= 0) setCurrentIndex(std::max(0, current_ - 1));
      return;
    case Qt::Key_Down:
      if (last >= 0) setCurrentIndex(std::min(last, current_ + 1));
      return;
    case Qt::Key_PageUp:
      if (last >= 0) setCurrentIndex(std::max(0, current_ - itemsPerPage));
      return;
    case Qt::Key_PageDown:
      if (last >= 0) setCurrentIndex(std::min(last, std::max(0, current_) + itemsPerPage));
      return;
    case Qt::Key_Home:
      if (last >= 0) setCurrentIndex(0);
      return;
    case Qt::Key_End:
      if (last >= 0) setCurrentIndex(last);
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

void TStarCheckList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBar();
}

void TStarCheckList::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  repaintItem(current_);
}

void TStarCheckList::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  repaintItem(current_);
}
