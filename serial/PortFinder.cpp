#include "serial/PortFinder.h"

#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("LastPort");

std::unique_ptr<QSettings> openSettings(const QString &file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("scoreboard"), QStringLiteral("scoreboard"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}
} // namespace

PortFinder::PortFinder(std::unique_ptr<DeviceSource> source, QString settingsFile)
    : m_source(std::move(source)), m_settingsFile(std::move(settingsFile))
{}

std::optional<SerialDevice> PortFinder::rememberedDevice(const std::vector<SerialDevice> &present) const
{
    const auto settings = openSettings(m_settingsFile);
    settings->beginGroup(kGroup);
    RememberedPort remembered;
    remembered.portNumber = settings->value(QStringLiteral("number")).toInt();
    if (remembered.portNumber == 0)
        return std::nullopt;
    remembered.devicePath = settings->value(QStringLiteral("device")).toString().toStdString();
    if (settings->contains(QStringLiteral("usbVendorId"))) {
        UsbIdentity usb;
        usb.vendorId = static_cast<std::uint16_t>(settings->value(QStringLiteral("usbVendorId")).toUInt());
        usb.productId = static_cast<std::uint16_t>(settings->value(QStringLiteral("usbProductId")).toUInt());
        usb.serialNumber = settings->value(QStringLiteral("usbSerialNumber")).toString().toStdString();
        remembered.usb = usb;
    }
    return FindRememberedDevice(remembered, present);
}

void PortFinder::remember(int portNumber, const std::string &devicePath)
{
    std::optional<UsbIdentity> usb;
    for (const SerialDevice &device : devices())
        if (device.path == devicePath)
            usb = device.usb;

    const auto settings = openSettings(m_settingsFile);
    settings->remove(kGroup);
    settings->beginGroup(kGroup);
    settings->setValue(QStringLiteral("number"), portNumber);
    settings->setValue(QStringLiteral("device"), QString::fromStdString(devicePath));
    if (usb) {
        settings->setValue(QStringLiteral("usbVendorId"), usb->vendorId);
        settings->setValue(QStringLiteral("usbProductId"), usb->productId);
        settings->setValue(QStringLiteral("usbSerialNumber"), QString::fromStdString(usb->serialNumber));
    }
}

std::optional<SerialDevice> FindRememberedDevice(const RememberedPort &remembered,
                                                 const std::vector<SerialDevice> &devices)
{
    // Two adapters of one make without serial numbers look the same: then
    // the one at the remembered number is the better guess.
    std::optional<SerialDevice> sameAdapter;
    for (const SerialDevice &device : devices)
        if (remembered.usb && device.usb == remembered.usb &&
            (!sameAdapter || device.portNumber == remembered.portNumber))
            sameAdapter = device;
    if (sameAdapter)
        return sameAdapter;
    for (const SerialDevice &device : devices)
        if (device.portNumber == remembered.portNumber)
            return device;
    return std::nullopt;
}
