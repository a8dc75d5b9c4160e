#pragma once
// The viewer: eye, look-at point and up direction, with a mark telling the
// device wrapper to rebuild and send the view.
#include "engine/platform/d3dx9.h"

class CAMERA {
public:
    D3DXVECTOR3 eye;
    D3DXVECTOR3 lookat;
    D3DXVECTOR3 up;
    bool updated;

    CAMERA(float ex, float ey, float ez, float lx, float ly, float lz, float ux, float uy, float uz);
    CAMERA(D3DXVECTOR3 eye, D3DXVECTOR3 lookat, D3DXVECTOR3 up);
    ~CAMERA() {}

    void setEye(float x, float y, float z);
    // Unlike every other setter, leaves the mark alone: the new eye reaches the
    // view with the next change that sets it.
    void setEye(D3DXVECTOR3 v);
    void setLookat(float x, float y, float z);
    void setLookat(D3DXVECTOR3 v);
    void setUp(float x, float y, float z);
    void setUp(D3DXVECTOR3 v);
    D3DXVECTOR3 getEye() const { return eye; }
    D3DXVECTOR3 getLookat() const { return lookat; }
    D3DXVECTOR3 getUp() const { return up; }

    void move(float d);
    void straff(float d);
    void rotate(float yaw, float pitch);
    void translationComplete(float x, float y, float z);
    void translationRelative(float dx, float dy, float dz);
};
