#include "remote/QrCodeImage.h"

#include <qrcodegen/qrcodegen.hpp>

#include <QPainter>

QImage QrCodeImage(const QString &text, int moduleSize)
{
    constexpr int kQuietZone = 4;
    const qrcodegen::QrCode code =
        qrcodegen::QrCode::encodeText(text.toUtf8().constData(), qrcodegen::QrCode::Ecc::MEDIUM);
    const int modules = code.getSize() + 2 * kQuietZone;
    QImage image(modules * moduleSize, modules * moduleSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.getSize(); ++y)
        for (int x = 0; x < code.getSize(); ++x)
            if (code.getModule(x, y))
                painter.fillRect((x + kQuietZone) * moduleSize, (y + kQuietZone) * moduleSize, moduleSize, moduleSize,
                                 Qt::black);
    return image;
}
