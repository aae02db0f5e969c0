#ifndef DRAWINROBOVIZ_H
#define DRAWINROBOVIZ_H

// Debug drawing for the monitor: each drawing command goes as one UDP
// datagram to the monitor, by default on the local machine at port 32769.
// A debugging aid; nothing in the player's cycle calls it.
//
// Drawing while no connection is open does nothing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Agent/DrawCommandEncoder.h"
#include "salt/vector.h"
#include "WorldModel/Singleton.h"

struct addrinfo;

class DrawInRoboviz : public Singleton<DrawInRoboviz>
{
public:
    static constexpr const char* DefaultHost = "127.0.0.1";
    static constexpr std::uint16_t DefaultPort = 32769;

    DrawInRoboviz() = default;
    ~DrawInRoboviz();

    // Where the next openConnection() sends to.
    void setMonitor(std::string host, std::uint16_t port);

    // Resolves the monitor and opens a datagram socket, closing any open one
    // first. 0 on success; 1 if the host does not resolve, 2 if no socket
    // opens (each reported on standard error).
    int openConnection();
    void closeConnection();
    bool isOpen() const { return sockfd >= 0; }

    // Opens the connection, draws the path test, closes; 0 on success,
    // otherwise the failure of openConnection().
    int execuate(const std::vector<salt::Vector3f>& points);
    // Lines between the pairs of points on the ground; an unpaired last
    // point is ignored.
    void runTest(const std::vector<salt::Vector3f>& points);
    // The animated scene advances its phase by one step per call.
    void renderAnimatedShapes();
    void renderStaticShapes();
    double getAngle() const { return angle; }

    void swapBuffers(std::string_view setName);
    void drawLine(float x1, float y1, float z1, float x2, float y2, float z2, float thickness, float r, float g,
                  float b, std::string_view setName);
    void drawCircle(float x, float y, float radius, float thickness, float r, float g, float b,
                    std::string_view setName);
    void drawSphere(float x, float y, float z, float radius, float r, float g, float b, std::string_view setName);
    void drawPoint(float x, float y, float z, float size, float r, float g, float b, std::string_view setName);
    // v holds numVerts x, y, z triples; more than 255 vertices draw nothing.
    void drawPolygon(const float* v, int numVerts, float r, float g, float b, float a, std::string_view setName);
    void drawAnnotation(std::string_view text, float x, float y, float z, float r, float g, float b,
                        std::string_view setName);

    static float maxf(float a, float b) { return a > b ? a : b; }

private:
    void send(const DrawCommandEncoder::Buffer& buf) const;
    void drawWavePoints();
    void drawSpinner();
    void drawFieldLines();

    int sockfd = -1;
    addrinfo* p = nullptr;
    double angle = 0.0;
    addrinfo* servinfo = nullptr;
    std::string host = DefaultHost;
    std::uint16_t port = DefaultPort;
};

#endif
