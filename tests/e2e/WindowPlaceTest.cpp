// The main window stays where it was placed across starts and exits, on a real window
// manager that frames it.

#include "E2eSession.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

using e2e::E2eSession;

namespace {

constexpr int kTwipsPerPixel = 15;

dorv::SettingsRecord ReadSettings(const E2eSession &session)
{
    std::ifstream in(session.dir() / "ft897.dorv", std::ios::binary);
    const dorv::Bytes bytes((std::istreambuf_iterator<char>(in)), {});
    return dorv::DecodeSettingsRecord(bytes);
}

void WriteSettings(const E2eSession &session, const dorv::SettingsRecord &settings)
{
    const dorv::Bytes bytes = dorv::EncodeSettingsRecord(settings);
    std::ofstream out(session.dir() / "ft897.dorv", std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<long>(bytes.size()));
}

struct Corner {
    int x = -1;
    int y = -1;
    bool operator==(const Corner &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Corner &c)
{
    return out << c.x << '/' << c.y;
}

// The top-left corner of the window's frame on the screen: the inner area's absolute
// position less the frame extents the window manager reports.
Corner FrameCorner(const E2eSession &session)
{
    std::istringstream info(session.onDisplay({"xwininfo", "-id", session.windowId()}));
    Corner inner;
    for (std::string line; std::getline(info, line);) {
        const auto colon = line.find(':');
        if (line.find("Absolute upper-left X") != std::string::npos) {
            inner.x = std::stoi(line.substr(colon + 1));
        } else if (line.find("Absolute upper-left Y") != std::string::npos) {
            inner.y = std::stoi(line.substr(colon + 1));
        }
    }
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const std::string extents =
        session.onDisplay({"xprop", "-id", session.windowId(), "_NET_FRAME_EXTENTS"});
    const auto equals = extents.find('=');
    int left = 0, right = 0, top = 0;
    if (equals != std::string::npos) {
        std::istringstream values(extents.substr(equals + 1));
        char comma = 0;
        values >> left >> comma >> right >> comma >> top;
    }
    return {inner.x - left, inner.y - top};
}

TEST(WindowPlace, fourStartsAndExitsLeaveTheWindowWhereItWasPlaced)
{
    for (const Corner place : {Corner{0, 0}, Corner{240, 130}}) {
        SCOPED_TRACE("placed at " + std::to_string(place.x) + "/" + std::to_string(place.y));
        E2eSession session("");
        dorv::SettingsRecord settings = ReadSettings(session);
        settings.WindowLeft = place.x * kTwipsPerPixel;
        settings.WindowTop = place.y * kTwipsPerPixel;
        settings.CommPort = dorv::kNoCommPort; // no radio needed here
        WriteSettings(session, settings);
        for (int cycle = 0; cycle < 4; ++cycle) {
            SCOPED_TRACE("start " + std::to_string(cycle + 1));
            ASSERT_TRUE(session.startProgram()) << session.diagnostics();
            EXPECT_TRUE(e2e::WaitFor([&] { return FrameCorner(session) == place; }, 5000))
                << "frame at " << FrameCorner(session) << ", placed at " << place;
            ASSERT_EQ(session.stopProgram(), 0);
            const dorv::SettingsRecord saved = ReadSettings(session);
            EXPECT_EQ(saved.WindowLeft, place.x * kTwipsPerPixel);
            EXPECT_EQ(saved.WindowTop, place.y * kTwipsPerPixel);
        }
    }
}

} // namespace
