#pragma once
// Projection parameters, perspective or orthographic, with a change mark.

class MATPROJ {
public:
    bool updated;
    float angle;
    float ratio;
    float cacaboudin; // near plane
    float distance;   // far plane
    float orthox;
    float orthoy;
    bool switchperspective;

    MATPROJ(float angle, float ratio, float nearPlane, float farPlane);

    void setcavaliere(float angle, float ratio, float nearPlane, float farPlane);
    void setorthonorme(float width, float height, float nearPlane, float farPlane);
};
