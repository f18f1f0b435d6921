#pragma once

#include "display/SendSequences.h"
#include "match/Match.h"
#include "match/MatchMemory.h"
#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "serial/SettingsWriter.h"
#include "support/FakeSerialPlatform.h"
#include "support/RecordingLink.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The match as the program builds it, on fakes: a fake serial platform, a
// link (a recording fake unless the test brings one), and settings in a
// folder of the test's own, which a later match of the same test may share.
// Started by whoever shows it (the window), or by the test.
struct TestMatch
{
    using Prepare = std::function<void(FakeSerialPlatform &)>;
    using MakeLink = std::function<std::unique_ptr<SerialLink>(const SerialPlatform &)>;

    explicit TestMatch(const Prepare &prepare = {}, const MakeLink &makeLink = {}, const QString &settingsFolder = {})
        : folder(settingsFolder.isEmpty() ? std::make_shared<QTemporaryDir>() : nullptr),
          settings((settingsFolder.isEmpty() ? folder->path() : settingsFolder) + QStringLiteral("/scoreboard.conf"),
                   QSettings::IniFormat),
          writer(settings), portMemory(settings, writer), memory(settings, writer)
    {
        if (prepare)
            prepare(platform);
        std::unique_ptr<SerialLink> link = makeLink ? makeLink(platform) : std::make_unique<RecordingLink>();
        recording = dynamic_cast<RecordingLink *>(link.get());
        session = std::make_unique<PortSession>(std::move(link), platform, portMemory, SendStartupCommand);
        match = std::make_unique<Match>(*session, memory);
    }

    QString settingsFolder() const { return QFileInfo(settings.fileName()).path(); }

    std::shared_ptr<QTemporaryDir> folder;
    QSettings settings;
    SettingsWriter writer;
    FakeSerialPlatform platform;
    PortMemory portMemory;
    MatchMemory memory;
    RecordingLink *recording = nullptr;
    std::unique_ptr<PortSession> session;
    std::unique_ptr<Match> match;
};
