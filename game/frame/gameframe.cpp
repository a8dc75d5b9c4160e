#include "game/frame/gameframe.h"

#include "engine/libD3D/d3dfont.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/game/zeus.h"
#include "game/utils/mathutils.h"

float difficultyForKey(int fkey)
{
    // F1 to F9 step by 0.1 from 0; F10 is the hardest level, 1.0 (not 0.9).
    static const float kValues[10] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 1.0f};
    if (fkey >= 1 && fkey <= 10)
        return kValues[fkey - 1];
    return -1.0f;
}

CD3DFont* creerInvite(IDirect3DDevice9* device)
{
    CD3DFont* font = new CD3DFont("Arial", 30, 0);
    font->InitDeviceObjects(device);
    font->RestoreDeviceObjects();
    return font;
}

bool GameFrame::pressFKey(int fkey)
{
    float d = difficultyForKey(fkey);
    if (difficulty_ != -1.0f || d < 0.0f)
        return false;
    zeus_->initLevel(d);
    difficulty_ = d;
    return true;
}

void GameFrame::pointerAt(int x, int y)
{
    // The view is 800 x 600 game units on an 800 x 600 window, centred on the camera.
    float fPosX = 0, fPosY = 0;
    getGameCoordFromScreenCoord(800, 600, 800, 600, follow_.fCamCenterX, 0, float(x) - 400, float(y) - 300, &fPosX,
                                &fPosY);
    zeus_->setMousePosition(fPosX, fPosY);
}

void GameFrame::advance()
{
    zeus_->update(PAS);
    follow_.suivre(zeus_, difficulty_);
    stripes_ = DecorTapis::avancerTraits(stripes_, PAS);
}

bool GameFrame::step(const FrameInput& in)
{
    // Neither order matters: the level's layout leaves the pointer as it is.
    bool chose = in.fkey && pressFKey(in.fkey);
    if (in.moved)
        pointerAt(in.x, in.y);
    advance();
    return chose;
}

bool GameFrame::draw(TOVI3D* tovi, DecorTapis& decor, CD3DFont& prompt)
{
    bool texte = difficulty_ == -1.0f || caption_;
    return drawFrame(tovi, decor, zeus_, follow_.fCamCenterX, stripes_, texte ? &prompt : nullptr, caption_);
}

bool drawFrame(TOVI3D* tovi, DecorTapis& decor, Zeus* zeus, float cx, float stripes, CD3DFont* prompt,
               const char* caption)
{
    CAMERA* camera = tovi->getpCamera();
    camera->setEye(cx, 0, -30);
    camera->setLookat(cx, 0, 0);
    camera->setUp(0, 1, 0);
    if (!tovi->debutscene(115, 115, 155))
        return false;
    decor.afficherFond(cx, stripes);
    zeus->render();
    decor.afficherFin();
    if (prompt && caption) {
        prompt->DrawTextA(20, 100, 0xFFFFFFFF, caption, 0);
    } else if (prompt) {
        prompt->DrawTextA(20, 100, 0xFFFFFFFF, "SELECTIONNEZ UNE DIFFICULTEE", 0);
        prompt->DrawTextA(20, 150, 0xFFFFFFFF, "DE F1 A F10", 0);
    }
    tovi->afficherscene();
    return true;
}
