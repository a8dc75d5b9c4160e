#pragma once
// The game's frame under a fixed input script, shared by the goldens that
// record what it does: the set-up with a fixed seed, then one call a frame.
#include "engine/platform/d3d9.h"

#include <memory>

class CD3DFont;
class DecorTapis;
class GameFrame;
class PlaySession;
class TOVI3D;
class XMANAGER;
class Zeus;

class ScriptedGame {
public:
    static const int kFrames = 300;

    // Makes the device through the current Direct3D factory, loads the game
    // ("script.lua" in the working directory) and seeds it.
    ScriptedGame();
    ~ScriptedGame();

    // Feeds frame f's input, steps the world, draws and presents.
    void play(int f);
    IDirect3DDevice9* device() const;

private:
    TOVI3D* tovi_;
    XMANAGER* manager_;
    CD3DFont* prompt_;
    Zeus* zeus_;
    std::unique_ptr<DecorTapis> decor_;
    std::unique_ptr<GameFrame> frame_;
    std::unique_ptr<PlaySession> session_;
};
