#include "serial/PortMemory.h"

#include "serial/SettingsWriter.h"

#include <QSettings>

#include <tuple>

namespace {
const QString kGroup = QStringLiteral("LastPort");
const QString kNumber = QStringLiteral("LastPort/number");
const QString kDevice = QStringLiteral("LastPort/device");
const QString kVendor = QStringLiteral("LastPort/usbVendorId");
const QString kProduct = QStringLiteral("LastPort/usbProductId");
const QString kSerialNumber = QStringLiteral("LastPort/usbSerialNumber");
// Not there in files written before sockets were kept: an unknown socket.
const QString kSocket = QStringLiteral("LastPort/usbSocket");

bool sameRecord(const SerialDevice &a, const SerialDevice &b)
{
    const auto usbFields = [](const SerialDevice &d) {
        return d.usb ? std::tuple(true, d.usb->vendorId, d.usb->productId, d.usb->serialNumber, d.usb->socket)
                     : std::tuple(false, std::uint16_t(0), std::uint16_t(0), std::string(), std::string());
    };
    return a.portNumber == b.portNumber && a.path == b.path && usbFields(a) == usbFields(b);
}
} // namespace

PortMemory::PortMemory(QSettings &settings, SettingsWriter &writer) : m_settings(settings), m_writer(writer)
{
    const int number = m_settings.value(kNumber).toInt();
    if (number <= 0)
        return;
    SerialDevice kept;
    kept.portNumber = number;
    kept.path = m_settings.value(kDevice).toString().toStdString();
    if (m_settings.contains(kVendor)) {
        UsbIdentity usb;
        usb.vendorId = static_cast<std::uint16_t>(m_settings.value(kVendor).toUInt());
        usb.productId = static_cast<std::uint16_t>(m_settings.value(kProduct).toUInt());
        usb.serialNumber = m_settings.value(kSerialNumber).toString().toStdString();
        usb.socket = m_settings.value(kSocket).toString().toStdString();
        kept.usb = usb;
    }
    m_kept = kept;
}

bool PortMemory::remember(const SerialDevice &device)
{
    // Nothing to write; but the write that kept it may have failed since.
    if (m_kept && sameRecord(*m_kept, device))
        return m_writer.ok();
    m_writer.remove(kGroup);
    m_writer.setValue(kNumber, device.portNumber);
    m_writer.setValue(kDevice, QString::fromStdString(device.path));
    if (device.usb) {
        m_writer.setValue(kVendor, device.usb->vendorId);
        m_writer.setValue(kProduct, device.usb->productId);
        m_writer.setValue(kSerialNumber, QString::fromStdString(device.usb->serialNumber));
        m_writer.setValue(kSocket, QString::fromStdString(device.usb->socket));
    }
    if (!m_writer.ok())
        return false;
    m_kept = device;
    return true;
}
