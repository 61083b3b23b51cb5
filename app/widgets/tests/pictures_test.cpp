#include <QImage>
#include <QPixmap>
#include <QTest>

#include "app/widgets/pictures.h"
#include "app/widgets/tests/widgets_tests.h"

class PictureTest : public QObject {
  Q_OBJECT

 private slots:
  void sizes_data();
  void sizes();
  void aboutPictureIsOpaque24Bit();
  void aboutButtonHasADistinctDisabledPicture();
  void windowIconOffers32x32();
};

void PictureTest::sizes_data() {
  QTest::addColumn<QPixmap>("picture");
  QTest::addColumn<QSize>("size");
  QTest::newRow("window icon") << VelmoorIconPixmap() << QSize(32, 32);
  QTest::newRow("About button") << AboutButtonPicture() << QSize(16, 16);
  QTest::newRow("About button, disabled") << AboutButtonDisabledPicture() << QSize(16, 16);
  QTest::newRow("Help button") << HelpButtonPicture() << QSize(30, 41);
  QTest::newRow("About dialog") << QPixmap::fromImage(AboutPicture()) << QSize(65, 98);
}

void PictureTest::sizes() {
  QFETCH(QPixmap, picture);
  QFETCH(QSize, size);
  QCOMPARE(picture.size(), size);
}

void PictureTest::aboutPictureIsOpaque24Bit() {
  const QImage image = AboutPicture();
  QCOMPARE(image.format(), QImage::Format_RGB888);
  QCOMPARE(image.depth(), 24);
  QVERIFY(!image.hasAlphaChannel());
}

void PictureTest::aboutButtonHasADistinctDisabledPicture() {
  const QIcon icon = AboutButtonIcon();
  const QImage normal = icon.pixmap(QSize(16, 16), QIcon::Normal).toImage();
  const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
  QCOMPARE(normal.convertToFormat(QImage::Format_ARGB32),
           AboutButtonPicture().toImage().convertToFormat(QImage::Format_ARGB32));
  QCOMPARE(disabled.convertToFormat(QImage::Format_ARGB32),
           AboutButtonDisabledPicture().toImage().convertToFormat(QImage::Format_ARGB32));
  QVERIFY(normal.convertToFormat(QImage::Format_ARGB32) !=
          disabled.convertToFormat(QImage::Format_ARGB32));
  QVERIFY(disabled.allGray());
}

void PictureTest::windowIconOffers32x32() {
  QVERIFY(VelmoorIcon().availableSizes().contains(QSize(32, 32)));
}

int RunPictureTests(int argc, char** argv) {
  PictureTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "pictures_test.moc"
