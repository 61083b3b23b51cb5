#include "app/widgets/help_box.h"

#include <QFont>
#include <QPushButton>

#include "app/widgets/dialog_parts.h"

THelpBox::THelpBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HelpBox"));
  setWindowTitle(QStringLiteral("Velmoor - HELP"));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  setFixedSize(298, 213);

  auto* panel = new TBevelPanel(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(8, 8, 281, 161);

  auto* memo = new TDialogMemo(panel);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setGeometry(panel->contentsRect());
  memo->setLines({
      QStringLiteral("Use of this program is easy and intuitive. Try yourself !!!"),
      QString(),
      QStringLiteral("To input time you can use any separator between hours, "),
      QStringLiteral("minutes and seconds EXCEPT \"space\"."),
      QStringLiteral("Example: 12,34,48 or 12;34;38 or 12x34x38 = 12:34:38"),
      QStringLiteral("DO NOT USE 12 34 38"),
      QString(),
      QStringLiteral("USE TWO DIGITS FOR MINUTES AND SECONDS. "),
  });

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setGeometry(111, 180, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(memo, ok);
}

void THelpBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}
