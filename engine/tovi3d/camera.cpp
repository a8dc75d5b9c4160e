#include "engine/tovi3d/camera.h"

CAMERA::CAMERA(float ex, float ey, float ez, float lx, float ly, float lz, float ux, float uy, float uz)
    : eye(ex, ey, ez), lookat(lx, ly, lz), up(ux, uy, uz), updated(true)
{
}

CAMERA::CAMERA(D3DXVECTOR3 e, D3DXVECTOR3 l, D3DXVECTOR3 u) : eye(e), lookat(l), up(u), updated(true) {}

void CAMERA::setEye(float x, float y, float z)
{
    eye = D3DXVECTOR3(x, y, z);
    updated = true;
}

void CAMERA::setEye(D3DXVECTOR3 v)
{
    eye = v;
}

void CAMERA::setLookat(float x, float y, float z)
{
    lookat = D3DXVECTOR3(x, y, z);
    updated = true;
}

void CAMERA::setLookat(D3DXVECTOR3 v)
{
    lookat = v;
    updated = true;
}

void CAMERA::setUp(float x, float y, float z)
{
    up = D3DXVECTOR3(x, y, z);
    updated = true;
}

void CAMERA::setUp(D3DXVECTOR3 v)
{
    up = v;
    updated = true;
}

static D3DXVECTOR3 viewDirection(const CAMERA& c)
{
    D3DXVECTOR3 d = c.lookat - c.eye, n;
    D3DXVec3Normalize(&n, &d);
    return n;
}

static D3DXVECTOR3 sideDirection(const CAMERA& c, const D3DXVECTOR3& dir)
{
    D3DXVECTOR3 s, n;
    D3DXVec3Cross(&s, &dir, &c.up);
    D3DXVec3Normalize(&n, &s);
    return n;
}

void CAMERA::move(float d)
{
    D3DXVECTOR3 dir = viewDirection(*this);
    if (d != 0.0f) {
        eye += dir * d;
        lookat += dir * d;
        updated = true;
    }
}

void CAMERA::straff(float d)
{
    D3DXVECTOR3 dir = viewDirection(*this);
    D3DXVECTOR3 side = sideDirection(*this, dir);
    if (d != 0.0f) {
        eye += side * d;
        lookat += side * d;
        updated = true;
    }
}

void CAMERA::rotate(float yaw, float pitch)
{
    D3DXVECTOR3 dir = viewDirection(*this);
    D3DXVECTOR3 side = sideDirection(*this, dir);
    D3DXMATRIX pitchM, yawM, m;
    D3DXMatrixRotationAxis(&pitchM, &side, pitch);
    D3DXMatrixRotationY(&yawM, yaw);
    D3DXMatrixMultiply(&m, &pitchM, &yawM);
    D3DXVec3TransformCoord(&dir, &dir, &m);
    D3DXVec3TransformCoord(&up, &up, &m);
    lookat = eye + dir;
    updated = true;
}

void CAMERA::translationComplete(float x, float y, float z)
{
    D3DXVECTOR3 off = eye - lookat;
    eye = D3DXVECTOR3(x, y, z);
    lookat = D3DXVECTOR3(x - off.x, y - off.y, z - off.z);
    updated = true;
}

void CAMERA::translationRelative(float dx, float dy, float dz)
{
    D3DXVECTOR3 d(dx, dy, dz);
    eye += d;
    lookat += d;
    updated = true;
}
