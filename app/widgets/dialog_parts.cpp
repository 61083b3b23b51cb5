#include "app/widgets/dialog_parts.h"

#include <QColor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>
#include <QTextCursor>

TDialogMemo::TDialogMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(2);
}

void TDialogMemo::setLines(const QStringList& lines) { setPlainText(lines.join(u'\n')); }

QStringList TDialogMemo::lines() const { return toPlainText().split(u'\n'); }

void TDialogMemo::setColors(const QColor& text, const QColor& background) {
  QPalette pal = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Text, text);
    pal.setColor(group, QPalette::Base, background);
  }
  setPalette(pal);
}

void TDialogMemo::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  if (event->modifiers() & Qt::ControlModifier) {
    textCursor().insertBlock();
    ensureCursorVisible();
    event->accept();
  } else {
    event->ignore();  // on to the dialog and its default button
  }
}

TBevelPanel::TBevelPanel(QWidget* parent) : QFrame(parent) {
  // A sunken box of line width 1 is drawn as a dark line outside a light one:
  // the lowered outer and the raised inner bevel.
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  setLineWidth(1);
  setMidLineWidth(0);
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}
