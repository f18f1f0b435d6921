#pragma once

#include "display/SendSequences.h"
#include "match/Match.h"
#include "match/MatchMemory.h"
#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "support/FakeSerialPlatform.h"
#include "support/RecordingLink.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// The match as the program builds it, without a window: a fake serial
// platform, a recording link, settings in a folder of the test's own. Started:
// port 1 is open.
struct MatchOnFakes
{
    MatchOnFakes()
        : settings(folder.filePath(QStringLiteral("scoreboard.conf")), QSettings::IniFormat), portMemory(settings),
          matchMemory(settings)
    {
        auto recording = std::make_unique<RecordingLink>();
        link = recording.get();
        session = std::make_unique<PortSession>(std::move(recording), platform, portMemory, SendStartupCommand);
        match = std::make_unique<Match>(*session, matchMemory);
        match->start();
    }

    QTemporaryDir folder;
    QSettings settings;
    FakeSerialPlatform platform;
    PortMemory portMemory;
    MatchMemory matchMemory;
    RecordingLink *link = nullptr;
    std::unique_ptr<PortSession> session;
    std::unique_ptr<Match> match;
};
