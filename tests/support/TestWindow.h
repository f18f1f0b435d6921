#pragma once

#include "support/TestMatch.h"
#include "ui/Form1.h"

#include <memory>

// The window on a match on fakes (TestMatch); it starts the match as it
// loads.
struct TestWindow : TestMatch
{
    explicit TestWindow(const Prepare &prepare = {}, const MakeLink &makeLink = {}, const QString &settingsFolder = {})
        : TestMatch(prepare, makeLink, settingsFolder), form(std::make_unique<Form1>(*match))
    {}

    std::unique_ptr<Form1> form;
};
