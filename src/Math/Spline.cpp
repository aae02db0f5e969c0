#include "Math/Spline.h"

#include <cmath>
#include <iostream>

namespace {

bool isNaturalEnd(float slope) { return static_cast<double>(slope) > 9.9e29; }

} // namespace

Spline::Spline(const float* x, const float* y, int n)
{
    SetBreakPoints(x, y, n, kNaturalEnd, kNaturalEnd);
}

void Spline::SetBreakPoints(const float* x, const float* y, int n, float yp1, float ypn)
{
    if (n < 0 || x == nullptr || y == nullptr) n = 0;
    m_n = n;
    m_yp1 = yp1;
    m_ypn = ypn;
    m_x.assign(n + 1, 0.0f);
    m_y.assign(n + 1, 0.0f);
    m_y2.assign(n + 1, 0.0f);
    for (int i = 0; i < n; ++i)
    {
        m_x[i + 1] = x[i];
        m_y[i + 1] = y[i];
    }
}

bool Spline::general()
{
    const int n = m_n;
    if (n < 2) return false;
    const float* x = m_x.data();
    const float* y = m_y.data();
    for (int i = 1; i <= n; ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
    float* y2 = m_y2.data();
    m_u.assign(n, 0.0f);
    float* u = m_u.data();

    if (isNaturalEnd(m_yp1))
    {
        y2[1] = 0.0f;
        u[1] = 0.0f;
    }
    else
    {
        const float dx = x[2] - x[1];
        y2[1] = -0.5f;
        u[1] = static_cast<float>((3.0 / dx) * ((y[2] - y[1]) / dx - m_yp1));
    }

    for (int i = 2; i <= n - 1; ++i)
    {
        const float sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const float p = static_cast<float>(sig * y2[i - 1] + 2.0);
        y2[i] = static_cast<float>((sig - 1.0) / p);
        u[i] = (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        u[i] = static_cast<float>((6.0 * u[i] / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p);
    }

    float qn = 0.0f, un = 0.0f;
    if (!isNaturalEnd(m_ypn))
    {
        const float dx = x[n] - x[n - 1];
        qn = 0.5f;
        un = static_cast<float>((3.0 / dx) * (m_ypn - (y[n] - y[n - 1]) / dx));
    }
    y2[n] = static_cast<float>((un - qn * u[n - 1]) / (qn * y2[n - 1] + 1.0));

    for (int k = n - 1; k >= 1; --k) y2[k] = y2[k] * y2[k + 1] + u[k];

    for (int i = 1; i <= n; ++i)
        if (!std::isfinite(y2[i])) return false;
    return true;
}

float Spline::getYGivenX(float x, int der) const
{
    if (der < 0)
    {
        std::cout << "(Spline) getYGivenX der error";
        return 0.0f;
    }
    if (m_n < 2) return 0.0f;

    int klo = 1, khi = m_n;
    while (khi - klo > 1)
    {
        const int k = (khi + klo) / 2;
        if (m_x[k] > x) khi = k;
        else klo = k;
    }

    const float h = m_x[khi] - m_x[klo];
    if (h == 0.0f) std::cout << "Bad x input to routine splint";
    const float a = (m_x[khi] - x) / h;
    const float b = (x - m_x[klo]) / h;
    const float ylo = m_y[klo], yhi = m_y[khi];
    const float d2lo = m_y2[klo], d2hi = m_y2[khi];

    switch (der)
    {
    case 0:
        return static_cast<float>(a * ylo + b * yhi +
                                  ((a * a * a - a) * d2lo + (b * b * b - b) * d2hi) * (h * h) / 6.0);
    case 1:
        return static_cast<float>((yhi - ylo) / h -
                                  h * (d2lo * (3.0 * a * a - 1.0) - d2hi * (3.0 * b * b - 1.0)) / 6.0);
    case 2:
        return a * d2lo + b * d2hi;
    default:
        return 0.0f;
    }
}
