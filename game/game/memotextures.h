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
    }
    void fermer() { ouvert_ = false; }
    // The manager's texture of that name; outside a walk, always asked of the manager.
    TEXTURE* get(XMANAGER* manager, const char* nom);

private:
    struct Entree {
        XMANAGER* manager;
        char nom[24];
        TEXTURE* texture;
    };
    Entree entrees_[12];
    int n_ = 0;
    bool ouvert_ = false;
};
