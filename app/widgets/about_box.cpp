#include "app/widgets/about_box.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/widgets/dialog_parts.h"
#include "app/widgets/pictures.h"

namespace {

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About Velmoor"));
  setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
  setFixedSize(416, 351);

  auto* panel = new TBevelPanel(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(8, 8, 393, 305);

  auto* image = new QLabel(panel);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(8, 16, 65, 98);
  image->setPixmap(QPixmap::fromImage(AboutPicture()));

  QLabel* product = AddLabel(panel, "ProductName", QStringLiteral("Velmoor"), 88, 16);
  product->setFont(PixelFont(QStringLiteral("Arial"), 16, true));
  product->adjustSize();

  AddLabel(panel, "Version", QStringLiteral("Version 2.01 (Qt 6 edition)"), 88, 40);
  AddLabel(panel, "CreditLabel", QStringLiteral("Written by the Velmoor developers"), 88, 64);

  auto* comments = new QLabel(
      QStringLiteral("This program is free: you may copy it and pass it on to "
                     "others, free of charge."),
      panel);
  comments->setObjectName(QStringLiteral("Comments"));
  comments->setGeometry(88, 88, 291, 39);
  comments->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
  comments->setWordWrap(true);
  comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* reference = new TDialogMemo(panel);
  reference->setObjectName(QStringLiteral("Memo1"));
  reference->setGeometry(8, 136, 377, 65);
  reference->setColors(QColor(255, 255, 0), QColor(0, 0, 0));
  reference->setLines({QStringLiteral(
      "The astronomy of this program follows the low-precision formulas for "
      "the Sun, the Moon and the reduction of star places published by "
      "Jean Meeus in \"Astronomical Formulae for Calculators\".")});

  auto* warranty = new TDialogMemo(panel);
  warranty->setObjectName(QStringLiteral("Memo2"));
  warranty->setGeometry(8, 208, 377, 89);
  warranty->setFont(PixelFont(QStringLiteral("Courier New"), 11));
  warranty->setColors(QColor(255, 255, 255), QColor(128, 0, 0));
  warranty->setLines({QStringLiteral("This program is provided as it is, "),
                      QStringLiteral("without any  warranty of any kind. "),
                      QStringLiteral("You use it at your own risk. ")});

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setGeometry(167, 324, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The panel's memos first, then the OK button.
  setTabOrder(reference, warranty);
  setTabOrder(warranty, ok);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}
