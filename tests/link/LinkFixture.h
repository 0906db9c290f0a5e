#pragma once

#include "link/LinkSession.h"
#include "sim/SimPort.h"
#include "sim/SimRadio.h"
#include "sim/VirtualClock.h"
#include "support/LinkTestHost.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tq58::test {

// The link against the in-process radio, on a virtual clock, with its port already open at
// the working speed as a started link leaves it.
class LinkFixture : public ::testing::Test {
protected:
    LinkFixture() { link.Caption = "Read from Radio"; }

    void OpenAtWorkingSpeed() { ASSERT_TRUE(link.PortInitCP()); }

    // Everything the PC wrote, as one text per write.
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const SimWrite& write : port.Written()) {
            sent.push_back(write.Bytes);
        }
        return sent;
    }

    int SentCount(const std::string& text) const {
        int count = 0;
        for (const SimWrite& write : port.Written()) {
            count += write.Bytes == text ? 1 : 0;
        }
        return count;
    }

    // Presses Cancel as soon as the radio has seen `count` lines starting with `command`.
    void CancelAfter(const std::string& command, int count) {
        host.OnYield = [this, command, count] {
            if (radio.Count(command) >= count) {
                link.CancelFlag = true;
            }
        };
    }

    VirtualClock clock;
    SimRadio radio{7200};
    SimPort port{radio, clock};
    LinkTestHost host{clock};
    LinkSession link{port, host};
};

} // namespace tq58::test
