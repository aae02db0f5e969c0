#include <chrono>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "Agent/Connection.h"
#include "support/ScriptedServer.h"

using namespace std::chrono_literals;

namespace {

class ConnectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Connection::deleteT();
        con = Connection::instance();
        con->setPort(server.port());
        ASSERT_TRUE(con->init());
        ASSERT_TRUE(server.accept());
    }
    void TearDown() override { Connection::deleteT(); }

    std::string next()
    {
        std::string msg = "unchanged";
        EXPECT_TRUE(con->getMessage(msg));
        return msg;
    }

    ScriptedServer server;
    Connection* con = nullptr;
};

} // namespace

TEST_F(ConnectionTest, SendFramesWithBigEndianLength)
{
    EXPECT_TRUE(con->sendMessage("(syn)"));
    EXPECT_EQ(server.readFrame(), "(syn)");
    EXPECT_FALSE(con->sendMessage(""));
    EXPECT_TRUE(con->sendMessage(std::string(70000, 'x')));
    EXPECT_EQ(server.readFrame()->size(), 70000u);
    EXPECT_TRUE(server.silentFor(50ms)) << "an empty text is not sent";
}

TEST_F(ConnectionTest, WireBytesOfAFiveByteText)
{
    EXPECT_EQ(ScriptedServer::frame("hello"), std::string("\0\0\0\5hello", 9));
}

TEST_F(ConnectionTest, PiecesAreAssembled)
{
    server.sendFrame("(time (now 1.00))", 1);
    EXPECT_EQ(next(), "(time (now 1.00))");
    server.sendFrame("(time (now 1.02))", 3);
    EXPECT_EQ(next(), "(time (now 1.02))");
}

TEST_F(ConnectionTest, TwoFramesInOneWriteComeOneByOne)
{
    server.sendRaw(ScriptedServer::frame("first") + ScriptedServer::frame("second"));
    EXPECT_EQ(next(), "first");
    EXPECT_EQ(next(), "second");
}

TEST_F(ConnectionTest, EmptyFrameGivesEmptyText)
{
    server.sendRaw(ScriptedServer::frame("") + ScriptedServer::frame("after"));
    EXPECT_EQ(next(), "");
    EXPECT_EQ(next(), "after");
}

TEST_F(ConnectionTest, ZeroByteEndsTextButStreamStaysAligned)
{
    server.sendRaw(ScriptedServer::frame(std::string("ab\0cd", 5)) + ScriptedServer::frame("next"));
    EXPECT_EQ(next(), "ab");
    EXPECT_EQ(next(), "next");
}

TEST_F(ConnectionTest, LongMessagesBeyondTheOldBufferAreAccepted)
{
    const std::string big(16381, 'p');
    server.sendFrame(big);
    EXPECT_EQ(next(), big);
    server.sendFrame("small");
    EXPECT_EQ(next(), "small");
}

TEST_F(ConnectionTest, CorruptLengthEndsTheSession)
{
    server.sendRaw(std::string("\0\x20\0\0", 4));  // 2 MiB
    std::string msg = "kept";
    try
    {
        con->getMessage(msg);
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& e)
    {
        EXPECT_STREQ(e.what(), "too long message; aborting");
    }
    EXPECT_EQ(msg, "kept");
    EXPECT_FALSE(con->isOpen());
}

struct LossCase
{
    const char* name;
    std::string bytes;
    bool payloadError;
};

class ConnectionLoss : public ConnectionTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(ConnectionLoss, ClosesReportsOnceAndKeepsText)
{
    server.sendRaw(GetParam().bytes);
    server.closeClient();
    std::string msg = "previous";
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(con->getMessage(msg));
    EXPECT_FALSE(con->getMessage(msg)) << "a closed connection stays closed";
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(msg, "previous");
    EXPECT_FALSE(con->isOpen());
    EXPECT_EQ(out, "closed connection to 127.0.0.1:" + std::to_string(server.port()) + "\n");
    EXPECT_EQ(err.find("(getMessage) ERROR: ") == 0, GetParam().payloadError) << err;
    EXPECT_FALSE(con->sendMessage("(syn)"));
}

INSTANTIATE_TEST_SUITE_P(Table, ConnectionLoss, ::testing::Values(
    LossCase{"BeforeHeader", "", false},
    LossCase{"MidHeader", std::string("\0\0", 2), false},
    LossCase{"MidPayload", std::string("\0\0\0\x0a(time", 9), true}),
    [](const ::testing::TestParamInfo<LossCase>& info) { return std::string(info.param.name); });

TEST(ConnectionInit, ClosedPortFails)
{
    Connection::deleteT();
    int port;
    {
        ScriptedServer gone;
        port = gone.port();
    }
    Connection::instance()->setPort(port);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(Connection::instance()->init());
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("connection failed with: '", 0), 0u);
    EXPECT_FALSE(Connection::instance()->isOpen());
    Connection::deleteT();
}

TEST(ConnectionInit, UnresolvableHostFailsLikeAConnect)
{
    Connection::deleteT();
    Connection::instance()->setServer("no-such-host.invalid");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(Connection::instance()->init());
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("connection failed with: '", 0), 0u);
    Connection::deleteT();
}
