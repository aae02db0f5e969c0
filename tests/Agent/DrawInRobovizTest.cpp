#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "Agent/DrawInRoboviz.h"

using Buffer = DrawCommandEncoder::Buffer;
using salt::Vector3f;

namespace {

// A monitor stand-in: a UDP socket on 127.0.0.1 with an ephemeral port.
class UdpReceiver
{
public:
    UdpReceiver()
    {
        fd = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
            getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            return;
        const timeval timeout{2, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        port = ntohs(addr.sin_port);
    }
    ~UdpReceiver()
    {
        if (fd >= 0) close(fd);
    }
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;

    std::uint16_t getPort() const { return port; }

    // The next datagram, empty after the time-out.
    Buffer receive() const { return receive(0); }
    bool nothingPending() const { return receive(MSG_DONTWAIT).empty(); }

private:
    Buffer receive(int flags) const
    {
        Buffer buf(65536);
        const ssize_t n = recv(fd, buf.data(), buf.size(), flags);
        buf.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return buf;
    }

    int fd = -1;
    std::uint16_t port = 0;
};

// The set name of a swap, shape or annotation command, found from the
// fixed layout of its fields; "?" for anything else.
std::string setNameOf(const Buffer& buf)
{
    if (buf.size() < 3 || buf.back() != '\0') return "?";
    std::size_t start = 0;
    switch (buf[0] * 16 + buf[1])
    {
    case 0x00: start = 2; break;
    case 0x10: case 0x12: case 0x13: start = 2 + 4 * 6 + 3; break;
    case 0x11: start = 2 + 7 * 6 + 3; break;
    case 0x14: start = 2 + 1 + 4 + 3 * 6 * std::size_t(buf[2]); break;
    case 0x20:
        start = 2 + 3 * 6 + 3;
        while (start < buf.size() && buf[start] != '\0') ++start;
        ++start; // past the text
        break;
    default: return "?";
    }
    if (start >= buf.size()) return "?";
    return std::string(reinterpret_cast<const char*>(buf.data() + start));
}

// The annotation text: the zero-terminated text after the 23-byte head.
std::string annotationTextOf(const Buffer& buf)
{
    if (buf.size() < 25 || buf[0] != 2 || buf[1] != 0) return "?";
    return std::string(reinterpret_cast<const char*>(buf.data() + 23));
}

class DrawInRobovizTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DrawInRoboviz::deleteT();
        ASSERT_NE(monitor.getPort(), 0);
        draw = DrawInRoboviz::instance();
        draw->setMonitor("127.0.0.1", monitor.getPort());
    }
    void TearDown() override { DrawInRoboviz::deleteT(); }

    std::vector<Buffer> receiveAll(int n) const
    {
        std::vector<Buffer> got;
        for (int i = 0; i < n; ++i) got.push_back(monitor.receive());
        return got;
    }

    UdpReceiver monitor;
    DrawInRoboviz* draw = nullptr;
};

TEST_F(DrawInRobovizTest, PathTestArrivesInOrderAndUnpairedPointIsIgnored)
{
    const std::vector<Vector3f> points = {{1, 2, 5}, {3, 4, 5}, {-1, -2, 0}, {-3, -4, 0}, {9, 9, 9}};
    EXPECT_EQ(draw->execuate(points), 0);
    EXPECT_FALSE(draw->isOpen());

    EXPECT_EQ(monitor.receive(), DrawCommandEncoder::newLine({1, 2, 0}, {3, 4, 0}, 2, {1, 1, 0}, "animated.1"));
    EXPECT_EQ(monitor.receive(), DrawCommandEncoder::newLine({-1, -2, 0}, {-3, -4, 0}, 2, {1, 1, 0}, "animated.12"));
    EXPECT_EQ(monitor.receive(), DrawCommandEncoder::newBufferSwap("animated"));
    EXPECT_TRUE(monitor.nothingPending());
}

TEST_F(DrawInRobovizTest, DrawingWithoutOpenConnectionSendsNothing)
{
    EXPECT_FALSE(draw->isOpen());
    draw->drawPoint(1, 2, 3, 4, 1, 1, 1, "early");
    draw->swapBuffers("early");

    ASSERT_EQ(draw->openConnection(), 0);
    EXPECT_TRUE(draw->isOpen());
    draw->drawPoint(1, 2, 3, 4, 1, 1, 1, "open");
    EXPECT_EQ(setNameOf(monitor.receive()), "open");

    draw->closeConnection();
    draw->closeConnection();
    EXPECT_FALSE(draw->isOpen());
    draw->drawSphere(1, 2, 3, 4, 1, 1, 1, "late");
    draw->swapBuffers("late");
    EXPECT_TRUE(monitor.nothingPending());
}

TEST_F(DrawInRobovizTest, ReopeningReplacesTheConnection)
{
    ASSERT_EQ(draw->openConnection(), 0);
    ASSERT_EQ(draw->openConnection(), 0);
    draw->swapBuffers("again");
    EXPECT_EQ(monitor.receive(), DrawCommandEncoder::newBufferSwap("again"));
    EXPECT_TRUE(monitor.nothingPending());
    // Left open: deleteT() in TearDown closes it.
}

TEST_F(DrawInRobovizTest, UnresolvableHostReportsAndReturns1)
{
    draw->setMonitor("", monitor.getPort());
    ::testing::internal::CaptureStderr();
    const int rv = draw->execuate({{0, 0, 0}, {1, 1, 0}});
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(rv, 1);
    EXPECT_EQ(err.rfind("getaddrinfo: ", 0), 0u) << err;
    EXPECT_EQ(err.back(), '\n');
    EXPECT_FALSE(draw->isOpen());
    draw->swapBuffers("animated");
    EXPECT_TRUE(monitor.nothingPending());
}

TEST_F(DrawInRobovizTest, StaticSceneFillsItsSetsThenSwaps)
{
    ASSERT_EQ(draw->openConnection(), 0);
    draw->renderStaticShapes();

    std::vector<std::pair<int, std::string>> got;
    for (const Buffer& buf : receiveAll(14)) got.emplace_back(buf.empty() ? -1 : buf[0] * 16 + buf[1], setNameOf(buf));
    const std::vector<std::pair<int, std::string>> expected = {
        {0x11, "static.axes"}, {0x11, "static.axes"}, {0x11, "static.axes"},
        {0x11, "static.lines.field"}, {0x11, "static.lines.field"}, {0x11, "static.lines.field"},
        {0x11, "static.lines.field"}, {0x11, "static.lines.field"},
        {0x10, "static.circles"}, {0x10, "static.circles"},
        {0x13, "static.spheres"}, {0x13, "static.spheres"},
        {0x14, "static.polygons"},
        {0x00, "static"}};
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(monitor.nothingPending());
}

TEST_F(DrawInRobovizTest, AnimatedSceneAdvancesItsPhase)
{
    ASSERT_EQ(draw->openConnection(), 0);
    EXPECT_EQ(draw->getAngle(), 0.0);
    draw->renderAnimatedShapes();

    const std::vector<Buffer> first = receiveAll(65);
    for (int i = 0; i < 60; ++i)
    {
        ASSERT_EQ(setNameOf(first[i]), "animated.points") << i;
        EXPECT_NE(first[i][2 + 2 * 6], '-') << "point " << i << " below the ground";
    }
    for (int i = 60; i < 63; ++i) EXPECT_EQ(setNameOf(first[i]), "animated.spinner") << i;
    EXPECT_EQ(setNameOf(first[63]), "animated.annotation");
    EXPECT_EQ(annotationTextOf(first[63]), "0.0");
    EXPECT_EQ(first[64], DrawCommandEncoder::newBufferSwap("animated"));
    EXPECT_TRUE(monitor.nothingPending());

    EXPECT_DOUBLE_EQ(draw->getAngle(), 0.05);
    draw->renderAnimatedShapes();
    const std::vector<Buffer> second = receiveAll(65);
    EXPECT_NE(second[0], first[0]);
    EXPECT_EQ(annotationTextOf(second[63]), "2.9");
}

} // namespace
