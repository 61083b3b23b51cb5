// The Help dialog: a few lines on how to enter the time.  Fixed size, closed
// with its OK button (also the default button for the Enter key) or the
// close box.
#ifndef VELMOOR_APP_WIDGETS_HELP_BOX_H
#define VELMOOR_APP_WIDGETS_HELP_BOX_H

#include <QDialog>

class THelpBox : public QDialog {
  Q_OBJECT

 public:
  explicit THelpBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

#endif  // VELMOOR_APP_WIDGETS_HELP_BOX_H
