#pragma once

#include <QImage>
#include <QString>

// `text` as a QR code a phone's camera reads from a screen: black modules on
// white with the four-module quiet zone around, each module `moduleSize`
// pixels. Medium error correction: a reflection on the screen costs little.
QImage QrCodeImage(const QString &text, int moduleSize);
