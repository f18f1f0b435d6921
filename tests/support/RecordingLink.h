#pragma once

#include "serial/SerialLink.h"

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

// A serial link that records every call, for checking the order of port
// operations and the exact writes of the send sequences without a device.
class RecordingLink final : public SerialLink
{
public:
    struct Write
    {
        std::vector<std::uint8_t> bytes;
        std::chrono::steady_clock::time_point returnedAt;
    };

    std::vector<std::string> calls;
    std::vector<Write> writes;
    bool failOpen = false;
    std::set<int> failingPorts;                 // ports whose open fails
    std::function<LinkError(int port)> outcome; // or: how the open of each port ends
    int writesBeforeFailure = -1;               // -1: writes never fail
    std::function<void()> beforeWrite;          // lets a test look at the world as a write begins
    std::vector<std::string> *mirror = nullptr; // also records there, for a log that outlives the link

    void setPortNumber(int portNumber) override
    {
        m_portNumber = portNumber;
        record("setPortNumber " + std::to_string(portNumber));
    }
    int portNumber() const override { return m_portNumber; }
    void configureLine() override { record("configureLine"); }
    LinkResult open() override
    {
        record("open");
        LinkError error = failOpen || failingPorts.count(m_portNumber) > 0 ? LinkError::NoSuchDevice : LinkError::None;
        if (outcome)
            error = outcome(m_portNumber);
        m_open = error == LinkError::None;
        return result(error);
    }
    void close() override
    {
        record("close");
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    void setDtr(bool asserted) override { record(asserted ? "setDtr on" : "setDtr off"); }
    LinkResult write(const std::uint8_t *data, std::size_t size) override
    {
        record("write");
        if (beforeWrite)
            beforeWrite();
        if (!m_open)
            return result(LinkError::NotOpen);
        if (writesBeforeFailure == 0) {
            m_open = false;
            return result(LinkError::WriteFailed);
        }
        if (writesBeforeFailure > 0)
            --writesBeforeFailure;
        writes.push_back({{data, data + size}, std::chrono::steady_clock::now()});
        return result(LinkError::None);
    }

private:
    void record(std::string call)
    {
        if (mirror)
            mirror->push_back(call);
        calls.push_back(std::move(call));
    }

    LinkResult result(LinkError error) const
    {
        LinkResult r;
        r.error = error;
        r.portNumber = m_portNumber;
        r.devicePath = "/dev/fake" + std::to_string(m_portNumber);
        return r;
    }

    int m_portNumber = 0;
    bool m_open = false;
};
