#include "engine/platform/d3dx9.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectMatrix(const D3DXMATRIX& m, std::initializer_list<float> v, float eps = 1e-6f)
{
    const float* p = &m._11;
    int i = 0;
    for (float x : v) {
        EXPECT_NEAR(p[i], x, eps) << "entry " << i;
        ++i;
    }
}

TEST(D3DXMatrix, LookAtFromTheGameCamera)
{
    D3DXMATRIX m;
    D3DXVECTOR3 eye(100, 0, -30), at(100, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&m, &eye, &at, &up);
    // z = (0,0,1), x = up x z = (1,0,0), y = (0,1,0); translation = (-x.eye, -y.eye, -z.eye)
    expectMatrix(m, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -100, 0, 30, 1});
}

TEST(D3DXMatrix, LookAtTiltedCamera)
{
    D3DXMATRIX m;
    D3DXVECTOR3 eye(0, 5, -5), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&m, &eye, &at, &up);
    float r = 1.0f / std::sqrt(2.0f);
    // z = (0,-r,r); x = normalize(up x z) = (1,0,0); y = z x x = (0,r,r)
    expectMatrix(m, {1, 0, 0, 0, 0, r, -r, 0, 0, r, r, 0, 0, 0, 10 * r, 1}, 1e-5f);
}

TEST(D3DXMatrix, OrthoOfTheGame)
{
    D3DXMATRIX m;
    D3DXMatrixOrthoLH(&m, 800, 600, 1, 100);
    expectMatrix(m, {2.0f / 800, 0, 0, 0, 0, 2.0f / 600, 0, 0, 0, 0, 1.0f / 99, 0, 0, 0, 1.0f / (1 - 100), 1});
}

TEST(D3DXMatrix, PerspectiveFov)
{
    D3DXMATRIX m;
    D3DXMatrixPerspectiveFovLH(&m, 0.7853982f, 2.0f, 1, 100);
    float ys = 1.0f / std::tan(0.7853982f / 2);
    expectMatrix(m, {ys / 2, 0, 0, 0, 0, ys, 0, 0, 0, 0, 100.0f / 99, 1, 0, 0, -100.0f / 99, 0}, 1e-5f);
}

TEST(D3DXMatrix, RotationsTurnAxesTheLeftHandedWay)
{
    const float a = 1.5707964f;
    D3DXMATRIX m;
    D3DXVECTOR3 v;
    D3DXVECTOR3 x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);

    D3DXMatrixRotationX(&m, a);
    D3DXVec3TransformCoord(&v, &y, &m);
    EXPECT_NEAR(v.z, 1, 1e-6);
    EXPECT_NEAR(v.y, 0, 1e-6);

    D3DXMatrixRotationY(&m, a);
    D3DXVec3TransformCoord(&v, &z, &m);
    EXPECT_NEAR(v.x, 1, 1e-6);

    D3DXMatrixRotationZ(&m, a);
    D3DXVec3TransformCoord(&v, &x, &m);
    EXPECT_NEAR(v.y, 1, 1e-6);
}

TEST(D3DXMatrix, RotationAxisNormalisesAndMatchesTheAxisRotations)
{
    D3DXMATRIX a, b;
    D3DXVECTOR3 axis(0, 0, 5);
    D3DXMatrixRotationAxis(&a, &axis, 0.3f);
    D3DXMatrixRotationZ(&b, 0.3f);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR((&a._11)[i], (&b._11)[i], 1e-6);

    D3DXVECTOR3 diag(1, 1, 1);
    D3DXMatrixRotationAxis(&a, &diag, 2.0943952f); // a third of a turn cycles the axes
    D3DXVECTOR3 x(1, 0, 0), v;
    D3DXVec3TransformCoord(&v, &x, &a);
    EXPECT_NEAR(v.x, 0, 1e-5);
    EXPECT_NEAR(v.y, 1, 1e-5);
    EXPECT_NEAR(v.z, 0, 1e-5);
}

TEST(D3DXMatrix, MultiplyIsAThenBAndMayAlias)
{
    D3DXMATRIX s, t, m;
    D3DXMatrixScaling(&s, 2, 3, 4);
    D3DXMatrixTranslation(&t, 10, 20, 30);
    D3DXMatrixMultiply(&m, &s, &t);
    D3DXVECTOR3 p(1, 1, 1), q;
    D3DXVec3TransformCoord(&q, &p, &m);
    EXPECT_FLOAT_EQ(q.x, 12);
    EXPECT_FLOAT_EQ(q.y, 23);
    EXPECT_FLOAT_EQ(q.z, 34);

    D3DXMatrixMultiply(&s, &s, &t); // out aliases a
    EXPECT_TRUE(s == m);
}

TEST(D3DXVector, TransformCoordDividesByW)
{
    D3DXMATRIX m;
    D3DXMatrixIdentity(&m);
    m._44 = 2;
    D3DXVECTOR3 p(2, 4, 6), q;
    D3DXVec3TransformCoord(&q, &p, &m);
    EXPECT_FLOAT_EQ(q.x, 1);
    EXPECT_FLOAT_EQ(q.y, 2);
    EXPECT_FLOAT_EQ(q.z, 3);
}

TEST(D3DXVector, NormalizeOfZeroIsZeroAndCrossIsRightOrder)
{
    D3DXVECTOR3 zero(0, 0, 0), out(9, 9, 9);
    D3DXVec3Normalize(&out, &zero);
    EXPECT_EQ(out, D3DXVECTOR3(0, 0, 0));

    D3DXVECTOR3 x(1, 0, 0), y(0, 1, 0), c;
    D3DXVec3Cross(&c, &x, &y);
    EXPECT_EQ(c, D3DXVECTOR3(0, 0, 1));
}

} // namespace
