#include "Agent/DrawInRoboviz.h"

#include <cmath>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <utility>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

#include "salt/gmath.h"
#include "WorldModel/Types.h"

namespace {

constexpr float HalfLength = static_cast<float>(FieldLength / 2);
constexpr float HalfWidth = static_cast<float>(FieldWidth / 2);

constexpr double TwoPi = 2 * salt::gPI;
constexpr double AngleStep = 0.05;

constexpr int WavePoints = 60;
constexpr double WaveCycles = 2.0;
constexpr float WaveY = -HalfWidth / 2;
constexpr float WavePointSize = 4.0f;

constexpr int SpinnerArms = 3;
constexpr float SpinnerHubHeight = 1.0f;
constexpr float SpinnerArmLength = 1.5f;

} // namespace

DrawInRoboviz::~DrawInRoboviz()
{
    closeConnection();
}

void DrawInRoboviz::setMonitor(std::string newHost, std::uint16_t newPort)
{
    host = std::move(newHost);
    port = newPort;
}

int DrawInRoboviz::openConnection()
{
    closeConnection();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    const std::string service = std::to_string(port);
    addrinfo* list = nullptr;
    const int rv = getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
    if (rv != 0)
    {
        std::cerr << "getaddrinfo: " << gai_strerror(rv) << '\n';
        return 1;
    }
    for (addrinfo* a = list; a != nullptr; a = a->ai_next)
    {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd == -1)
        {
            std::perror("socket");
            continue;
        }
        sockfd = fd;
        p = a;
        servinfo = list;
        return 0;
    }
    freeaddrinfo(list);
    std::cerr << "failed to bind socket\n";
    return 2;
}

void DrawInRoboviz::closeConnection()
{
    if (sockfd >= 0) close(sockfd);
    sockfd = -1;
    p = nullptr;
    if (servinfo != nullptr) freeaddrinfo(servinfo);
    servinfo = nullptr;
}

int DrawInRoboviz::execuate(const std::vector<salt::Vector3f>& points)
{
    const int rv = openConnection();
    if (rv != 0) return rv;
    runTest(points);
    closeConnection();
    return 0;
}

void DrawInRoboviz::send(const DrawCommandEncoder::Buffer& buf) const
{
    if (sockfd < 0 || p == nullptr || buf.empty()) return;
    // A lost drawing is of no consequence.
    (void)sendto(sockfd, buf.data(), buf.size(), 0, p->ai_addr, p->ai_addrlen);
}

void DrawInRoboviz::runTest(const std::vector<salt::Vector3f>& points)
{
    std::string setName = "animated.";
    int k = 0;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2)
    {
        setName += std::to_string(++k);
        const salt::Vector3f& a = points[i];
        const salt::Vector3f& b = points[i + 1];
        drawLine(a.x(), a.y(), 0.0f, b.x(), b.y(), 0.0f, 2.0f, 1.0f, 1.0f, 0.0f, setName);
    }
    swapBuffers("animated");
}

void DrawInRoboviz::renderAnimatedShapes()
{
    drawWavePoints();
    drawSpinner();

    char text[32];
    const auto res = std::to_chars(text, text + sizeof text, salt::gRadToDeg(angle), std::chars_format::fixed, 1);
    drawAnnotation(std::string_view(text, res.ptr - text), 0.0f, 0.0f, SpinnerHubHeight + 0.5f, 1.0f, 1.0f, 1.0f,
                   "animated.annotation");
    swapBuffers("animated");

    angle = std::fmod(angle + AngleStep, TwoPi);
}

// A wave along the length of the pitch; its troughs are cut at the ground.
void DrawInRoboviz::drawWavePoints()
{
    for (int i = 0; i < WavePoints; ++i)
    {
        const double t = static_cast<double>(i) / (WavePoints - 1);
        const float x = -HalfLength + static_cast<float>(t * FieldLength);
        const float z = maxf(0.0f, static_cast<float>(std::sin(angle + t * WaveCycles * TwoPi)));
        drawPoint(x, WaveY, z, WavePointSize, 0.0f, 0.6f, 1.0f, "animated.points");
    }
}

// Arms turning about a hub above the centre spot.
void DrawInRoboviz::drawSpinner()
{
    for (int k = 0; k < SpinnerArms; ++k)
    {
        const double a = angle + k * TwoPi / SpinnerArms;
        const float x = SpinnerArmLength * static_cast<float>(std::cos(a));
        const float y = SpinnerArmLength * static_cast<float>(std::sin(a));
        drawLine(0.0f, 0.0f, SpinnerHubHeight, x, y, SpinnerHubHeight, 3.0f, 1.0f, 0.5f, 0.0f, "animated.spinner");
    }
}

void DrawInRoboviz::renderStaticShapes()
{
    drawLine(0, 0, 0, 2, 0, 0, 3.0f, 1, 0, 0, "static.axes");
    drawLine(0, 0, 0, 0, 2, 0, 3.0f, 0, 1, 0, "static.axes");
    drawLine(0, 0, 0, 0, 0, 2, 3.0f, 0, 0, 1, "static.axes");

    drawFieldLines();

    const float goalRadius = static_cast<float>(GoalWidth / 2);
    const float crossbar = static_cast<float>(GoalHeight);
    drawCircle(-HalfLength, 0, goalRadius, 3.0f, 0, 0, 1, "static.circles");
    drawCircle(HalfLength, 0, goalRadius, 3.0f, 1, 0, 0, "static.circles");
    drawSphere(-HalfLength, 0, crossbar, 0.2f, 0, 0, 1, "static.spheres");
    drawSphere(HalfLength, 0, crossbar, 0.2f, 1, 0, 0, "static.spheres");

    const float diamond[] = {1, 0, 0, 0, 1, 0, -1, 0, 0, 0, -1, 0};
    drawPolygon(diamond, 4, 1, 1, 1, 0.5f, "static.polygons");

    swapBuffers("static");
}

// The touchlines, goal lines and halfway line.
void DrawInRoboviz::drawFieldLines()
{
    const float corners[4][2] = {
        {-HalfLength, -HalfWidth}, {HalfLength, -HalfWidth}, {HalfLength, HalfWidth}, {-HalfLength, HalfWidth}};
    for (int i = 0; i < 4; ++i)
    {
        const float* a = corners[i];
        const float* b = corners[(i + 1) % 4];
        drawLine(a[0], a[1], 0, b[0], b[1], 0, 2.0f, 1, 1, 1, "static.lines.field");
    }
    drawLine(0, -HalfWidth, 0, 0, HalfWidth, 0, 2.0f, 1, 1, 1, "static.lines.field");
}

void DrawInRoboviz::swapBuffers(std::string_view setName)
{
    send(DrawCommandEncoder::newBufferSwap(setName));
}

void DrawInRoboviz::drawLine(float x1, float y1, float z1, float x2, float y2, float z2, float thickness, float r,
                             float g, float b, std::string_view setName)
{
    send(DrawCommandEncoder::newLine({x1, y1, z1}, {x2, y2, z2}, thickness, {r, g, b}, setName));
}

void DrawInRoboviz::drawCircle(float x, float y, float radius, float thickness, float r, float g, float b,
                               std::string_view setName)
{
    send(DrawCommandEncoder::newCircle({x, y}, radius, thickness, {r, g, b}, setName));
}

void DrawInRoboviz::drawSphere(float x, float y, float z, float radius, float r, float g, float b,
                               std::string_view setName)
{
    send(DrawCommandEncoder::newSphere({x, y, z}, radius, {r, g, b}, setName));
}

void DrawInRoboviz::drawPoint(float x, float y, float z, float size, float r, float g, float b,
                              std::string_view setName)
{
    send(DrawCommandEncoder::newPoint({x, y, z}, size, {r, g, b}, setName));
}

void DrawInRoboviz::drawPolygon(const float* v, int numVerts, float r, float g, float b, float a,
                                std::string_view setName)
{
    send(DrawCommandEncoder::newPolygon(v, numVerts, {r, g, b, a}, setName));
}

void DrawInRoboviz::drawAnnotation(std::string_view text, float x, float y, float z, float r, float g, float b,
                                   std::string_view setName)
{
    send(DrawCommandEncoder::newAnnotation(text, {x, y, z}, {r, g, b}, setName));
}
