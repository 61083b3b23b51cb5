// The About dialog: the program's name, version, credits, the terms under
// which it may be passed on, the reference that its astronomy rests on and a
// notice that it comes without warranty.  Fixed size, closed with its OK
// button (also the default button for the Enter key) or the close box.
#ifndef VELMOOR_APP_WIDGETS_ABOUT_BOX_H
#define VELMOOR_APP_WIDGETS_ABOUT_BOX_H

#include <QDialog>

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

#endif  // VELMOOR_APP_WIDGETS_ABOUT_BOX_H
