#ifndef DRAWCOMMANDENCODER_H
#define DRAWCOMMANDENCODER_H

// Byte encoders of the monitor's drawing commands, one command per buffer.
// Every command starts with a type byte and a subtype byte; numbers are six
// characters of "%6f", colour components one byte each (0..1 scaled to 255),
// texts and set names zero-terminated.
//
// An encoder that refuses its input returns an empty buffer: a non-finite
// number, a polygon with a negative count or more than 255 vertices, or a
// uniform number outside 1..128.

#include <string_view>
#include <vector>

class DrawCommandEncoder
{
public:
    using Buffer = std::vector<unsigned char>;

    static constexpr int NumberWidth = 6;
    static constexpr int MaxPolygonVertices = 255;

    DrawCommandEncoder() = delete;

    static Buffer newBufferSwap(std::string_view setName);
    static Buffer newCircle(const float (&center)[2], float radius, float thickness, const float (&color)[3],
                            std::string_view setName);
    static Buffer newLine(const float (&a)[3], const float (&b)[3], float thickness, const float (&color)[3],
                          std::string_view setName);
    static Buffer newPoint(const float (&p)[3], float size, const float (&color)[3], std::string_view setName);
    static Buffer newSphere(const float (&p)[3], float radius, const float (&color)[3], std::string_view setName);
    // v holds numVerts x, y, z triples.
    static Buffer newPolygon(const float* v, int numVerts, const float (&color)[4], std::string_view setName);
    static Buffer newAnnotation(std::string_view text, const float (&p)[3], const float (&color)[3],
                                std::string_view setName);
    // Annotation over the agent with the given side and uniform number.
    static Buffer newAgentAnnotation(std::string_view text, bool leftTeam, int agentNum, const float (&color)[3]);
    // Removes the annotation over the agent.
    static Buffer newAgentAnnotation(bool leftTeam, int agentNum);

    // Each appends to buf and returns the number of bytes written.
    static int writeCharToBuf(Buffer& buf, unsigned char value);
    // Any value, cut to NumberWidth characters (1.0 gives "1.0000").
    static int writeFloatToBuf(Buffer& buf, float value);
    // n components, clamped to [0, 1] (NaN as 0), times 255, truncated.
    static int writeColorToBuf(Buffer& buf, const float* color, int n);
    // The characters up to the first zero byte, then a zero byte.
    static int writeStringToBuf(Buffer& buf, std::string_view text);

private:
    static Buffer newShape(unsigned char subtype, const float* numbers, int n, const float (&color)[3],
                           std::string_view setName);
    static bool allFinite(const float* values, int n);
    static void writeFloatsToBuf(Buffer& buf, const float* values, int n);
    static int agentByte(bool leftTeam, int agentNum);
};

#endif
