#include "remote/LocalNetwork.h"
#include "remote/RemoteControl.h"
#include "remote/RemoteServer.h"
#include "remote/RemoteWindow.h"
#include "support/PseudoTranslator.h"
#include "support/TestMatch.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

Q_DECLARE_METATYPE(std::function<QString(quint16)>)

namespace {
// A port no program listens on now.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// What the next start reads: the settings once on the disk.
RemoteSettings keptSettings(TestMatch &fakes)
{
    fakes.writer.flush();
    return RemoteSettings(fakes.settings, fakes.writer);
}

// An interface's address and netmask, from "192.168.1.5/255.255.255.0".
QNetworkAddressEntry network(const QString &text)
{
    QNetworkAddressEntry entry;
    entry.setIp(QHostAddress(text.section(QLatin1Char('/'), 0, 0)));
    entry.setNetmask(QHostAddress(text.section(QLatin1Char('/'), 1)));
    return entry;
}
// The words of `window` a person reads or hears, with what the pseudo
// translator marked taken out, and the addresses and numbers filled in:
// what is left did not go through the translation.
QStringList unmarkedWords(const QWidget &window)
{
    QStringList said{window.windowTitle()};
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        said << widget->toolTip() << widget->accessibleName();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            said << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            said << button->text();
        if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            said << box->title();
    }
    QStringList unmarked;
    for (QString text : said) {
        // Innermost first: an argument may be a translated text of its own.
        const QRegularExpression mark(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
        while (text.contains(mark))
            text.remove(mark);
        text.remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
        if (!text.isEmpty())
            unmarked << text;
    }
    return unmarked;
}
} // namespace

class TestRemoteControl : public QObject
{
    Q_OBJECT

private slots:
    // The choices and the codes survive a restart: a stream deck's buttons
    // keep working. Values edited by hand into nonsense read as defaults,
    // and an unusable code is made anew.
    void choicesAndCodesAreKept()
    {
        TestMatch fakes;
        fakes.match->start();
        QString control;
        QString view;
        {
            RemoteSettings settings = keptSettings(fakes);
            QVERIFY(!settings.on());
            QCOMPARE(settings.reach(), RemoteSettings::Reach::ThisComputer);
            QCOMPARE(settings.port(), RemoteSettings::kDefaultPort);
            QVERIFY(RemoteSettings::usableCode(settings.controlCode()));
            QVERIFY(settings.viewCode() != settings.controlCode());
            settings.setReach(RemoteSettings::Reach::LocalNetwork);
            settings.setPort(9000);
            control = settings.controlCode();
            view = settings.viewCode();
        }
        {
            RemoteSettings settings = keptSettings(fakes);
            QCOMPARE(settings.reach(), RemoteSettings::Reach::LocalNetwork);
            QCOMPARE(settings.port(), quint16(9000));
            QCOMPARE(settings.controlCode(), control);
            QCOMPARE(settings.viewCode(), view);
            settings.newControlCode();
            QVERIFY(settings.controlCode() != control);
            QCOMPARE(settings.viewCode(), view);
        }
        // The codes are for the user's eyes only, also after other settings
        // are written (where files have owners: Windows keeps them in the
        // user's part of the registry).
        fakes.memory.windowChanged({"0", "1", "0", "0"});
        fakes.writer.flush();
        if (QSysInfo::productType() != QLatin1String("windows"))
            QCOMPARE(QFile(fakes.settings.fileName()).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
                     QFile::ReadOwner | QFile::WriteOwner);

        fakes.settings.setValue(QStringLiteral("Remote/port"), QStringLiteral("eighty"));
        fakes.settings.setValue(QStringLiteral("Remote/controlCode"), QString());
        fakes.settings.setValue(QStringLiteral("Remote/viewCode"), QStringLiteral("short"));
        RemoteSettings edited = keptSettings(fakes);
        QCOMPARE(edited.port(), RemoteSettings::kDefaultPort);
        QVERIFY(RemoteSettings::usableCode(edited.controlCode()));
        QVERIFY(RemoteSettings::usableCode(edited.viewCode()));
        QCOMPARE(keptSettings(fakes).controlCode(), edited.controlCode());
    }

    // A port typed into the window that cannot be had is said, in words, and
    // nothing changes: what is served stays served, and the kept port too.
    void aPortThatCannotBeHad_data()
    {
        QTest::addColumn<std::function<QString(quint16)>>("typed"); // from a port another program holds
        QTest::addColumn<QString>("said");

        QTest::newRow("below 1024") << std::function<QString(quint16)>([](quint16) { return QStringLiteral("80"); })
                                    << "Port \"80\": pick a number from 1024 to 65535.";
        QTest::newRow("above 65535") << std::function<QString(quint16)>([](quint16) { return QStringLiteral("70000"); })
                                     << "Port \"70000\": pick a number from 1024 to 65535.";
        QTest::newRow("not a number") << std::function<QString(quint16)>([](quint16) { return QStringLiteral("http"); })
                                      << "Port \"http\": pick a number from 1024 to 65535.";
        QTest::newRow("taken by another program")
            << std::function<QString(quint16)>([](quint16 taken) { return QString::number(taken); })
            << "is in use by another program: pick another port, or end that program.";
    }
    void aPortThatCannotBeHad()
    {
        QFETCH(std::function<QString(quint16)>, typed);
        QFETCH(QString, said);
        TestMatch fakes;
        fakes.match->start();
        const quint16 port = freePort();
        fakes.settings.setValue(QStringLiteral("Remote/port"), port);
        RemoteControl control(*fakes.match, fakes.settings, fakes.writer);
        control.start(true);
        QVERIFY(control.serving());
        QWidget beside;
        auto *window = new RemoteWindow(control, &beside);
        window->show();
        QTcpServer another;
        QVERIFY(another.listen(QHostAddress::LocalHost));

        auto *field = window->findChild<QLineEdit *>(QStringLiteral("Port"));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed(another.serverPort()));
        QTest::keyClick(field, Qt::Key_Return);

        const QString status = window->findChild<QLabel *>(QStringLiteral("Status"))->text();
        QVERIFY2(status.contains(said), qPrintable(status));
        QVERIFY2(status.contains(QStringLiteral("Serving at port %1").arg(port)), qPrintable(status));
        QCOMPARE(control.server()->port(), port);
        QCOMPARE(keptSettings(fakes).port(), port);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("ControlAddress"))->text(),
                 QStringLiteral("http://127.0.0.1:%1/remote?code=%2").arg(port).arg(control.settings().controlCode()));
    }

    // Off: nothing listens; "New code" in the window makes a new code, kept,
    // and the addresses show it. Every word of the window, the devices'
    // list too, goes through the translation.
    void theWindowsSwitchAndNewCode()
    {
        const PseudoTranslator pseudo;
        TestMatch fakes;
        fakes.match->start();
        fakes.settings.setValue(QStringLiteral("Remote/port"), freePort());
        RemoteControl control(*fakes.match, fakes.settings, fakes.writer);
        control.start(false);
        QVERIFY(!control.serving());
        QWidget beside;
        auto *window = new RemoteWindow(control, &beside);
        window->show();
        window->findChild<QAbstractButton *>(QStringLiteral("On"))->click();
        QVERIFY(control.serving());
        QVERIFY(keptSettings(fakes).on());
        const QString before = control.settings().viewCode();
        window->findChild<QPushButton *>(QStringLiteral("NewViewCode"))->click();
        QVERIFY(control.settings().viewCode() != before);
        QCOMPARE(keptSettings(fakes).viewCode(), control.settings().viewCode());
        QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("OverlayAddress"))
                    ->text()
                    .endsWith(QStringLiteral("/overlay?code=") + control.settings().viewCode()));
        QTcpSocket device;
        device.connectToHost(QHostAddress::LocalHost, control.settings().port());
        QTRY_VERIFY(
            !window->findChildren<QPushButton *>().isEmpty() &&
            window->findChildren<QPushButton *>().last()->accessibleName().contains(QLatin1String("127.0.0.1")));
        QVERIFY2(unmarkedWords(*window).isEmpty(), qPrintable(unmarkedWords(*window).join(QLatin1Char('|'))));
        window->findChild<QAbstractButton *>(QStringLiteral("On"))->click();
        QVERIFY(!control.serving());
        QVERIFY(!keptSettings(fakes).on());
    }

    // "The local network": this computer, and devices in the subnet of one
    // of its interfaces; nothing routed from further away.
    void whoTheLocalNetworkLetsIn_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<QStringList>("networks"); // this computer's, "address/netmask"
        QTest::addColumn<bool>("admitted");

        const QStringList home{"192.168.1.5/255.255.255.0"};
        QTest::newRow("same subnet, /24") << "192.168.1.23" << home << true;
        QTest::newRow("this computer's own address") << "192.168.1.5" << home << true;
        QTest::newRow("other subnet") << "192.168.2.23" << home << false;
        QTest::newRow("the next /24 on a second interface")
            << "192.168.2.23" << QStringList{home[0], "192.168.2.1/255.255.255.0"} << true;
        const QStringList club{"172.16.4.1/255.255.0.0"};
        QTest::newRow("/16, its last address") << "172.16.255.255" << club << true;
        QTest::newRow("/16, its first address") << "172.16.0.0" << club << true;
        QTest::newRow("/16, just past it") << "172.17.0.0" << club << false;
        QTest::newRow("/16, just before it") << "172.15.255.255" << club << false;
        const QStringList tunnel{"10.8.0.6/255.255.255.255"};
        QTest::newRow("/32 host route, its neighbour") << "10.8.0.7" << tunnel << false;
        QTest::newRow("/32 host route, itself") << "10.8.0.6" << tunnel << true;
        QTest::newRow("link-local beside link-local")
            << "169.254.200.9" << QStringList{"169.254.3.4/255.255.0.0"} << true;
        QTest::newRow("loopback") << "127.0.0.1" << home << true;
        QTest::newRow("loopback, elsewhere in 127/8") << "127.45.6.7" << QStringList() << true;
        QTest::newRow("IPv6 loopback") << "::1" << home << true;
        QTest::newRow("mapped IPv6, same subnet") << "::ffff:192.168.1.23" << home << true;
        QTest::newRow("mapped IPv6, other subnet") << "::ffff:192.168.2.23" << home << false;
        QTest::newRow("mapped IPv6 loopback") << "::ffff:127.0.0.1" << QStringList() << true;
        QTest::newRow("IPv6 neighbour") << "fe80::2" << QStringList{"fe80::1/ffff:ffff:ffff:ffff::"} << false;
        QTest::newRow("a public address")
            << "8.8.8.8" << QStringList{home[0], "10.0.0.2/255.0.0.0", "169.254.3.4/255.255.0.0"} << false;
        QTest::newRow("no interfaces") << "192.168.1.23" << QStringList() << false;
    }
    void whoTheLocalNetworkLetsIn()
    {
        QFETCH(QString, peer);
        QFETCH(QStringList, networks);
        QFETCH(bool, admitted);
        QList<QNetworkAddressEntry> entries;
        for (const QString &text : networks)
            entries << network(text);
        QCOMPARE(OnLocalNetwork(QHostAddress(peer), entries), admitted);
    }
};

QTEST_MAIN(TestRemoteControl)
#include "tst_remotecontrol.moc"
