#include "engine/platform/d3dx9.h"

#include <cmath>
#include <cstring>

D3DXMATRIX::D3DXMATRIX(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
                       float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44)
{
    _11 = m11; _12 = m12; _13 = m13; _14 = m14;
    _21 = m21; _22 = m22; _23 = m23; _24 = m24;
    _31 = m31; _32 = m32; _33 = m33; _34 = m34;
    _41 = m41; _42 = m42; _43 = m43; _44 = m44;
}

D3DXMATRIX D3DXMATRIX::operator*(const D3DXMATRIX& o) const
{
    D3DXMATRIX r;
    D3DXMatrixMultiply(&r, this, &o);
    return r;
}

D3DXMATRIX& D3DXMATRIX::operator*=(const D3DXMATRIX& o)
{
    D3DXMatrixMultiply(this, this, &o);
    return *this;
}

bool D3DXMATRIX::operator==(const D3DXMATRIX& o) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m[r][c] != o.m[r][c])
                return false;
    return true;
}

static D3DXMATRIX* zero(D3DXMATRIX* out)
{
    std::memset(out->m, 0, sizeof out->m);
    return out;
}

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out)
{
    zero(out);
    out->_11 = out->_22 = out->_33 = out->_44 = 1.0f;
    return out;
}

D3DXMATRIX* D3DXMatrixTranslation(D3DXMATRIX* out, float x, float y, float z)
{
    D3DXMatrixIdentity(out);
    out->_41 = x;
    out->_42 = y;
    out->_43 = z;
    return out;
}

D3DXMATRIX* D3DXMatrixScaling(D3DXMATRIX* out, float sx, float sy, float sz)
{
    zero(out);
    out->_11 = sx;
    out->_22 = sy;
    out->_33 = sz;
    out->_44 = 1.0f;
    return out;
}

D3DXMATRIX* D3DXMatrixRotationX(D3DXMATRIX* out, float a)
{
    D3DXMatrixIdentity(out);
    float c = std::cos(a), s = std::sin(a);
    out->_22 = c;
    out->_23 = s;
    out->_32 = -s;
    out->_33 = c;
    return out;
}

D3DXMATRIX* D3DXMatrixRotationY(D3DXMATRIX* out, float a)
{
    D3DXMatrixIdentity(out);
    float c = std::cos(a), s = std::sin(a);
    out->_11 = c;
    out->_13 = -s;
    out->_31 = s;
    out->_33 = c;
    return out;
}

D3DXMATRIX* D3DXMatrixRotationZ(D3DXMATRIX* out, float a)
{
    D3DXMatrixIdentity(out);
    float c = std::cos(a), s = std::sin(a);
    out->_11 = c;
    out->_12 = s;
    out->_21 = -s;
    out->_22 = c;
    return out;
}

D3DXMATRIX* D3DXMatrixRotationAxis(D3DXMATRIX* out, const D3DXVECTOR3* axis, float a)
{
    D3DXVECTOR3 n;
    D3DXVec3Normalize(&n, axis);
    float c = std::cos(a), s = std::sin(a), t = 1.0f - c;
    D3DXMatrixIdentity(out);
    out->_11 = t * n.x * n.x + c;
    out->_12 = t * n.x * n.y + s * n.z;
    out->_13 = t * n.x * n.z - s * n.y;
    out->_21 = t * n.x * n.y - s * n.z;
    out->_22 = t * n.y * n.y + c;
    out->_23 = t * n.y * n.z + s * n.x;
    out->_31 = t * n.x * n.z + s * n.y;
    out->_32 = t * n.y * n.z - s * n.x;
    out->_33 = t * n.z * n.z + c;
    return out;
}

D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b)
{
    D3DXMATRIX r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a->m[i][0] * b->m[0][j] + a->m[i][1] * b->m[1][j] + a->m[i][2] * b->m[2][j] +
                        a->m[i][3] * b->m[3][j];
    *out = r;
    return out;
}

D3DXMATRIX* D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at, const D3DXVECTOR3* up)
{
    D3DXVECTOR3 z, x, y, d = *at - *eye;
    D3DXVec3Normalize(&z, &d);
    D3DXVECTOR3 c;
    D3DXVec3Cross(&c, up, &z);
    D3DXVec3Normalize(&x, &c);
    D3DXVec3Cross(&y, &z, &x);
    *out = D3DXMATRIX(x.x, y.x, z.x, 0, x.y, y.y, z.y, 0, x.z, y.z, z.z, 0, -D3DXVec3Dot(&x, eye),
                      -D3DXVec3Dot(&y, eye), -D3DXVec3Dot(&z, eye), 1);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoLH(D3DXMATRIX* out, float w, float h, float zn, float zf)
{
    zero(out);
    out->_11 = 2.0f / w;
    out->_22 = 2.0f / h;
    out->_33 = 1.0f / (zf - zn);
    out->_43 = zn / (zn - zf);
    out->_44 = 1.0f;
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, float fovy, float aspect, float zn, float zf)
{
    zero(out);
    float ys = 1.0f / std::tan(fovy / 2.0f);
    float xs = ys / aspect;
    out->_11 = xs;
    out->_22 = ys;
    out->_33 = zf / (zf - zn);
    out->_34 = 1.0f;
    out->_43 = -zn * zf / (zf - zn);
    return out;
}

D3DXVECTOR3* D3DXVec3Normalize(D3DXVECTOR3* out, const D3DXVECTOR3* v)
{
    float len = D3DXVec3Length(v);
    if (len == 0.0f) {
        *out = D3DXVECTOR3(0, 0, 0);
        return out;
    }
    *out = D3DXVECTOR3(v->x / len, v->y / len, v->z / len);
    return out;
}

D3DXVECTOR3* D3DXVec3Cross(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b)
{
    *out = D3DXVECTOR3(a->y * b->z - a->z * b->y, a->z * b->x - a->x * b->z, a->x * b->y - a->y * b->x);
    return out;
}

float D3DXVec3Dot(const D3DXVECTOR3* a, const D3DXVECTOR3* b)
{
    return a->x * b->x + a->y * b->y + a->z * b->z;
}

float D3DXVec3Length(const D3DXVECTOR3* v)
{
    return std::sqrt(D3DXVec3Dot(v, v));
}

D3DXVECTOR3* D3DXVec3TransformCoord(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    float X = v->x * m->_11 + v->y * m->_21 + v->z * m->_31 + m->_41;
    float Y = v->x * m->_12 + v->y * m->_22 + v->z * m->_32 + m->_42;
    float Z = v->x * m->_13 + v->y * m->_23 + v->z * m->_33 + m->_43;
    float W = v->x * m->_14 + v->y * m->_24 + v->z * m->_34 + m->_44;
    *out = D3DXVECTOR3(X / W, Y / W, Z / W);
    return out;
}
