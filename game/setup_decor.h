#pragma once
// The belt, background, progress bar and finish marker drawn around the
// entities every frame, from the seven decor elements of the manager.
class ELEMENT3D;
class MANAGER;

class DecorTapis {
public:
    // Looks the seven elements up by name; a missing one is not drawn.
    explicit DecorTapis(MANAGER* manager);

    // Rows 1 to 6 of a frame: background, progress bar and cursor, belt start,
    // segments and stripes; cx is the camera's x, offsetTraits the stripes' offset.
    void afficherFond(float cx, float offsetTraits);
    // Row 8: the finish marker, after the entities.
    void afficherFin();

    // Stripe offset animation: starts at DEBUT, moves by VITESSE per unit of
    // step and wraps back by (DEBUT - FIN) below FIN.
    static constexpr float TRAITS_DEBUT = 15;
    static constexpr float TRAITS_FIN = -17;
    static constexpr float TRAITS_VITESSE = -0.05f;
    static float avancerTraits(float offset, int pas);

private:
    ELEMENT3D* rTapisDebut;
    ELEMENT3D* rTapisTroncon;
    ELEMENT3D* rTapisTraits;
    ELEMENT3D* rBG;
    ELEMENT3D* rFin;
    ELEMENT3D* rProgressBar;
    ELEMENT3D* rProgressCursor;
};
