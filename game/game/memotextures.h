#pragma once
// The textures the chickens and tasers look up by name in every update, remembered
// for one walk of the director: nothing registers or removes a texture while the
// entities update, so each name gives the same texture until the walk ends.
class TEXTURE;
class XMANAGER;

class MemoTextures {
public:
    void ouvrir()
    {
        ouvert_ = true;
        n_ = 0;
        for (ParCle& c : parCle_)
            c.manager = nullptr;
    }
    void fermer() { ouvert_ = false; }
    // The manager's texture of that name; outside a walk, always asked of the manager.
    TEXTURE* get(XMANAGER* manager, const char* nom);
    // The same, for a caller that numbers its few names itself (below CLES), each
    // number always standing for the same name: found without comparing names.
    TEXTURE* get(XMANAGER* manager, const char* nom, int cle);

    static const int CLES = 4;

private:
    struct Entree {
        XMANAGER* manager;
        char nom[24];
        TEXTURE* texture;
    };
    Entree entrees_[12];
    struct ParCle {
        XMANAGER* manager = nullptr;
        TEXTURE* texture = nullptr;
    };
    ParCle parCle_[CLES];
    int n_ = 0;
    bool ouvert_ = false;
};
