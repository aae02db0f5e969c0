#include "Agent/DrawCommandEncoder.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Sign, every integer digit of the largest float, point, six decimals.
constexpr int FixedFloatChars = 1 + std::numeric_limits<float>::max_exponent10 + 1 + 1 + 6;

constexpr int AgentsPerSide = 128;

DrawCommandEncoder::Buffer header(unsigned char type, unsigned char subtype, std::size_t bodySize)
{
    DrawCommandEncoder::Buffer buf;
    buf.reserve(2 + bodySize);
    buf.push_back(type);
    buf.push_back(subtype);
    return buf;
}

// Reserve size of a body: numbers, colour bytes and zero-terminated texts.
std::size_t bodySize(int numbers, int colors, std::size_t textChars)
{
    return static_cast<std::size_t>(numbers) * DrawCommandEncoder::NumberWidth + colors + textChars;
}

} // namespace

int DrawCommandEncoder::writeCharToBuf(Buffer& buf, unsigned char value)
{
    buf.push_back(value);
    return 1;
}

int DrawCommandEncoder::writeFloatToBuf(Buffer& buf, float value)
{
    // "%6f" pads to six characters and gives at least that many.
    char text[FixedFloatChars + 1];
    const auto res = std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 6);
    const int len = res.ec == std::errc() ? static_cast<int>(res.ptr - text) : 0;
    for (int i = len; i < NumberWidth; ++i) buf.push_back(' ');
    const int kept = len < NumberWidth ? len : NumberWidth;
    buf.insert(buf.end(), text, text + kept);
    return NumberWidth;
}

int DrawCommandEncoder::writeColorToBuf(Buffer& buf, const float* color, int n)
{
    for (int i = 0; i < n; ++i)
    {
        float c = color[i];
        if (!(c > 0.0f)) c = 0.0f;
        if (c > 1.0f) c = 1.0f;
        buf.push_back(static_cast<unsigned char>(static_cast<int>(c * 255)));
    }
    return n;
}

int DrawCommandEncoder::writeStringToBuf(Buffer& buf, std::string_view text)
{
    const std::string_view kept = text.substr(0, text.find('\0'));
    buf.insert(buf.end(), kept.begin(), kept.end());
    buf.push_back('\0');
    return static_cast<int>(kept.size()) + 1;
}

bool DrawCommandEncoder::allFinite(const float* values, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(values[i])) return false;
    return true;
}

void DrawCommandEncoder::writeFloatsToBuf(Buffer& buf, const float* values, int n)
{
    for (int i = 0; i < n; ++i) writeFloatToBuf(buf, values[i]);
}

int DrawCommandEncoder::agentByte(bool leftTeam, int agentNum)
{
    if (agentNum < 1 || agentNum > AgentsPerSide) return -1;
    return leftTeam ? agentNum - 1 : agentNum + AgentsPerSide - 1;
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newBufferSwap(std::string_view setName)
{
    Buffer buf = header(0, 0, setName.size() + 1);
    writeStringToBuf(buf, setName);
    return buf;
}

// Type 1 commands but the polygon: numbers, colour, set name.
DrawCommandEncoder::Buffer DrawCommandEncoder::newShape(unsigned char subtype, const float* numbers, int n,
                                                        const float (&color)[3], std::string_view setName)
{
    if (!allFinite(numbers, n)) return {};
    Buffer buf = header(1, subtype, bodySize(n, 3, setName.size() + 1));
    writeFloatsToBuf(buf, numbers, n);
    writeColorToBuf(buf, color, 3);
    writeStringToBuf(buf, setName);
    return buf;
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newCircle(const float (&center)[2], float radius, float thickness,
                                                         const float (&color)[3], std::string_view setName)
{
    const float numbers[] = {center[0], center[1], radius, thickness};
    return newShape(0, numbers, 4, color, setName);
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newLine(const float (&a)[3], const float (&b)[3], float thickness,
                                                       const float (&color)[3], std::string_view setName)
{
    const float numbers[] = {a[0], a[1], a[2], b[0], b[1], b[2], thickness};
    return newShape(1, numbers, 7, color, setName);
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newPoint(const float (&p)[3], float size, const float (&color)[3],
                                                        std::string_view setName)
{
    const float numbers[] = {p[0], p[1], p[2], size};
    return newShape(2, numbers, 4, color, setName);
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newSphere(const float (&p)[3], float radius, const float (&color)[3],
                                                         std::string_view setName)
{
    const float numbers[] = {p[0], p[1], p[2], radius};
    return newShape(3, numbers, 4, color, setName);
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newPolygon(const float* v, int numVerts, const float (&color)[4],
                                                          std::string_view setName)
{
    if (numVerts < 0 || numVerts > MaxPolygonVertices) return {};
    if (numVerts > 0 && (v == nullptr || !allFinite(v, 3 * numVerts))) return {};
    Buffer buf = header(1, 4, 1 + bodySize(3 * numVerts, 4, setName.size() + 1));
    writeCharToBuf(buf, static_cast<unsigned char>(numVerts));
    writeColorToBuf(buf, color, 4);
    writeFloatsToBuf(buf, v, 3 * numVerts);
    writeStringToBuf(buf, setName);
    return buf;
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newAnnotation(std::string_view text, const float (&p)[3],
                                                             const float (&color)[3], std::string_view setName)
{
    if (!allFinite(p, 3)) return {};
    Buffer buf = header(2, 0, bodySize(3, 3, text.size() + 1 + setName.size() + 1));
    writeFloatsToBuf(buf, p, 3);
    writeColorToBuf(buf, color, 3);
    writeStringToBuf(buf, text);
    writeStringToBuf(buf, setName);
    return buf;
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newAgentAnnotation(std::string_view text, bool leftTeam, int agentNum,
                                                                  const float (&color)[3])
{
    const int agent = agentByte(leftTeam, agentNum);
    if (agent < 0) return {};
    Buffer buf = header(2, 1, 1 + bodySize(0, 3, text.size() + 1));
    writeCharToBuf(buf, static_cast<unsigned char>(agent));
    writeColorToBuf(buf, color, 3);
    writeStringToBuf(buf, text);
    return buf;
}

DrawCommandEncoder::Buffer DrawCommandEncoder::newAgentAnnotation(bool leftTeam, int agentNum)
{
    const int agent = agentByte(leftTeam, agentNum);
    if (agent < 0) return {};
    Buffer buf = header(2, 2, 1);
    writeCharToBuf(buf, static_cast<unsigned char>(agent));
    return buf;
}
