#ifndef SPLINE_H
#define SPLINE_H

#include <vector>

// Cubic spline through n break points, each end natural (second derivative 0)
// or held to a given slope. Values are single precision; the arrays are kept
// one-based (index 0 unused) and owned by value, so copies are independent.
class Spline
{
public:
    // An end slope above this asks for a natural end.
    static constexpr float kNaturalEnd = 1e30f;

    Spline() = default;
    // Natural at both ends; general() is still to be called.
    Spline(const float* x, const float* y, int n);

    // Copies x[0..n-1], y[0..n-1]; the second derivatives start at 0 until
    // general() runs. A negative n, or missing arrays, store no points.
    void SetBreakPoints(const float* x, const float* y, int n, float yp1, float ypn);

    // Second derivatives from the break points and end conditions. False for
    // fewer than two points, a non-finite break point or any
    // non-finite result.
    bool general();

    // Value (der 0), slope (1) or curvature (2) at x; points outside the range
    // use the end interval's cubic. 0 for fewer than two points, a negative
    // der (with a message) or der above 2.
    float getYGivenX(float x, int der) const;

    int size() const { return m_n; }

private:
    std::vector<float> m_x;
    std::vector<float> m_y;
    std::vector<float> m_y2;
    float m_yp1 = 0.0f;
    float m_ypn = 0.0f;
    int m_n = 0;
    std::vector<float> m_u;  // scratch of general(), kept to avoid reallocating
};

#endif
