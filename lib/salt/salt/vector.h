#ifndef SALT_VECTOR_H
#define SALT_VECTOR_H

#include <cmath>

namespace salt {

// Three floats. Length() and SquareLength() are computed in float.
class Vector3f
{
public:
    constexpr Vector3f() : mData{0.0f, 0.0f, 0.0f} {}
    constexpr Vector3f(float x, float y, float z) : mData{x, y, z} {}

    float& x() { return mData[0]; }
    float& y() { return mData[1]; }
    float& z() { return mData[2]; }
    constexpr float x() const { return mData[0]; }
    constexpr float y() const { return mData[1]; }
    constexpr float z() const { return mData[2]; }

    float& operator[](int i) { return mData[i]; }
    constexpr float operator[](int i) const { return mData[i]; }

    Vector3f operator+(const Vector3f& v) const { return {x() + v.x(), y() + v.y(), z() + v.z()}; }
    Vector3f operator-(const Vector3f& v) const { return {x() - v.x(), y() - v.y(), z() - v.z()}; }
    Vector3f operator-() const { return {-x(), -y(), -z()}; }
    Vector3f operator*(float s) const { return {x() * s, y() * s, z() * s}; }
    Vector3f operator/(float s) const { return {x() / s, y() / s, z() / s}; }

    Vector3f& operator+=(const Vector3f& v) { return *this = *this + v; }
    Vector3f& operator-=(const Vector3f& v) { return *this = *this - v; }
    Vector3f& operator*=(float s) { return *this = *this * s; }
    Vector3f& operator/=(float s) { return *this = *this / s; }

    bool operator==(const Vector3f& v) const { return x() == v.x() && y() == v.y() && z() == v.z(); }
    bool operator!=(const Vector3f& v) const { return !(*this == v); }

    float Dot(const Vector3f& v) const { return x() * v.x() + y() * v.y() + z() * v.z(); }
    Vector3f Cross(const Vector3f& v) const
    {
        return {y() * v.z() - z() * v.y(), z() * v.x() - x() * v.z(), x() * v.y() - y() * v.x()};
    }

    float SquareLength() const { return Dot(*this); }
    float Length() const { return std::sqrt(SquareLength()); }

    // The zero vector gives NaN components (0 / 0).
    Vector3f Normalized() const { return *this / Length(); }

private:
    float mData[3];
};

inline Vector3f operator*(float s, const Vector3f& v) { return v * s; }

} // namespace salt

#endif
