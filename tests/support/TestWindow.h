#pragma once

#include "display/SendSequences.h"
#include "serial/PortMemory.h"
#include "support/FakeSerialPlatform.h"
#include "support/RecordingLink.h"
#include "ui/Form1.h"
#include "ui/MatchMemory.h"

#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The window as the program builds it, on fakes: a fake serial platform, a
// link (a recording fake unless the test brings one), and settings in a
// folder of the test's own, which a later window of the same test may share.
struct TestWindow
{
    using Prepare = std::function<void(FakeSerialPlatform &)>;
    using MakeLink = std::function<std::unique_ptr<SerialLink>(const SerialPlatform &)>;

    explicit TestWindow(const Prepare &prepare = {}, const MakeLink &makeLink = {}, const QString &settingsFolder = {})
        : folder(settingsFolder.isEmpty() ? std::make_shared<QTemporaryDir>() : nullptr),
          settings((settingsFolder.isEmpty() ? folder->path() : settingsFolder) + QStringLiteral("/scoreboard.conf"),
                   QSettings::IniFormat),
          portMemory(settings), match(settings)
    {
        if (prepare)
            prepare(platform);
        std::unique_ptr<SerialLink> link = makeLink ? makeLink(platform) : std::make_unique<RecordingLink>();
        recording = dynamic_cast<RecordingLink *>(link.get());
        session = std::make_unique<PortSession>(std::move(link), platform, portMemory, SendStartupCommand);
        form = std::make_unique<Form1>(*session, match);
    }

    QString settingsFolder() const { return QFileInfo(settings.fileName()).path(); }

    std::shared_ptr<QTemporaryDir> folder;
    QSettings settings;
    FakeSerialPlatform platform;
    PortMemory portMemory;
    MatchMemory match;
    RecordingLink *recording = nullptr;
    std::unique_ptr<PortSession> session;
    std::unique_ptr<Form1> form;
};
