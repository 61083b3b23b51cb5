// The program's pictures, drawn in code: a sextant's arc measuring a star's
// altitude above the sea horizon, and variations on it.
//
// All of them need a QGuiApplication.
#ifndef VELMOOR_APP_WIDGETS_PICTURES_H
#define VELMOOR_APP_WIDGETS_PICTURES_H

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The main window's icon: 32 × 32.
QPixmap VelmoorIconPixmap();
QIcon VelmoorIcon();

// The About button's picture, 16 × 16: a gold star on a night-blue disc, and
// its greyed form for the disabled button.  The icon holds both, the second
// as its QIcon::Disabled pixmap.
QPixmap AboutButtonPicture();
QPixmap AboutButtonDisabledPicture();
QIcon AboutButtonIcon();

// The Help button's picture, 30 × 41: a lighthouse.
QPixmap HelpButtonPicture();
QIcon HelpButtonIcon();

// The About dialog's picture, 65 × 98 in 24-bit colour (QImage::Format_RGB888):
// a sextant before a night sky over the sea.
QImage AboutPicture();

#endif  // VELMOOR_APP_WIDGETS_PICTURES_H
