// Pieces shared by the About and Help dialogs.
#ifndef VELMOOR_APP_WIDGETS_DIALOG_PARTS_H
#define VELMOOR_APP_WIDGETS_DIALOG_PARTS_H

#include <QFrame>
#include <QPlainTextEdit>
#include <QStringList>

class QColor;
class QKeyEvent;

// An editable text box.  The user may type into it, but the Enter key
// belongs to the dialog: it presses the dialog's default button.  Ctrl+Enter
// starts a new line, and Tab moves the focus on instead of inserting a tab.
// Lines wrap at the box's width; there are no scroll bars.
class TDialogMemo : public QPlainTextEdit {
 public:
  explicit TDialogMemo(QWidget* parent = nullptr);

  void setLines(const QStringList& lines);
  QStringList lines() const;

  void setColors(const QColor& text, const QColor& background);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A panel framed by a lowered outer and a raised inner bevel, one pixel
// each, so that its contents start 2 pixels inside its edges.
class TBevelPanel : public QFrame {
 public:
  explicit TBevelPanel(QWidget* parent = nullptr);
};

// Moves a top-level window to the middle of the screen that it is on.
void CentreOnScreen(QWidget* window);

#endif  // VELMOOR_APP_WIDGETS_DIALOG_PARTS_H
