#ifndef SALT_MATRIX_H
#define SALT_MATRIX_H

#include "salt/vector.h"

namespace salt {

// 4x4 floats addressed as (row, column). Vectors are columns: Rotate(v) is
// M * v with the upper-left 3x3 block. Rotations are right-handed:
// RotationZ(+pi/2) takes (1, 0, 0) to (0, 1, 0). A * B applies B first.
class Matrix
{
public:
    Matrix() : mData{} { for (int i = 0; i < 4; ++i) mData[i][i] = 1.0f; }

    static Matrix Identity() { return Matrix(); }
    static Matrix Zero()
    {
        Matrix m;
        m.mData[0][0] = m.mData[1][1] = m.mData[2][2] = m.mData[3][3] = 0.0f;
        return m;
    }

    float& operator()(int row, int col) { return mData[row][col]; }
    float operator()(int row, int col) const { return mData[row][col]; }

    Matrix operator*(const Matrix& b) const
    {
        Matrix r = Zero();
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
            {
                float s = 0.0f;
                for (int k = 0; k < 4; ++k) s += mData[i][k] * b.mData[k][j];
                r.mData[i][j] = s;
            }
        return r;
    }

    Vector3f Rotate(const Vector3f& v) const
    {
        Vector3f r;
        for (int i = 0; i < 3; ++i)
            r[i] = mData[i][0] * v.x() + mData[i][1] * v.y() + mData[i][2] * v.z();
        return r;
    }

    // Inverse of a rotation: the transposed 3x3 block, the rest as the identity.
    Matrix InverseRotation() const
    {
        Matrix r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) r.mData[i][j] = mData[j][i];
        return r;
    }

    static Matrix RotationX(float rad) { return Rotation(1, 2, rad); }
    static Matrix RotationY(float rad) { return Rotation(2, 0, rad); }
    static Matrix RotationZ(float rad) { return Rotation(0, 1, rad); }

private:
    // Rotation in the plane of axes a -> b (a right-handed turn about the third axis).
    static Matrix Rotation(int a, int b, float rad)
    {
        Matrix m;
        const float c = std::cos(rad), s = std::sin(rad);
        m.mData[a][a] = c;
        m.mData[a][b] = -s;
        m.mData[b][a] = s;
        m.mData[b][b] = c;
        return m;
    }

    float mData[4][4];
};

} // namespace salt

#endif
