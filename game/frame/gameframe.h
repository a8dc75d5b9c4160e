#pragma once
// One frame of the game, written once for the game, the headless simulation and
// the benchmarks: the difficulty keys, the pointer in game coordinates, the
// director's step, the camera follow with its group of four, the belt stripes,
// and the rows drawn in order. The callers keep their own input and output.
#include "game/frame/frameinput.h"
#include "game/game/camerafollow.h"
#include "game/game/world.h"
#include "game/setup_decor.h"
#include "game/setup_start.h"

#include "engine/platform/d3d9.h"

class CD3DFont;
class TOVI3D;
class Zeus;

// The level F1 to F10 (1 to 10) chooses; -1 for any other number.
float difficultyForKey(int fkey);

// The font of the difficulty prompt, ready to draw on `device`.
CD3DFont* creerInvite(IDirect3DDevice9* device);

class GameFrame {
public:
    static const int PAS = world::PAS; // game milliseconds per frame

    explicit GameFrame(Zeus* zeus) : zeus_(zeus) {}

    // F-key 1 to 10: the first one lays out the level; any later key, or any
    // other number, does nothing. True when this key chose.
    bool pressFKey(int fkey);
    // A pointer motion to window pixel (x, y) of the 800 x 600 view.
    void pointerAt(int x, int y);
    // The world's part: the director's step, the camera follow, the stripes.
    void advance();
    // One frame of play: the F-key, the pointer, then the world's part. True
    // when the F-key chose the level.
    bool step(const FrameInput& in);
    // Clears, draws the rows in order and presents, with the camera on the
    // flock; false when the scene could not begin (nothing drawn).
    bool draw(TOVI3D* tovi, DecorTapis& decor, CD3DFont& prompt);
    // A line drawn where the difficulty prompt stands, in every frame (null: none).
    void setCaption(const char* caption) { caption_ = caption; }
    const char* caption() const { return caption_; }

    // -1 until an F-key chose.
    float difficulty() const { return difficulty_; }
    const CameraFollow& camera() const { return follow_; }

private:
    Zeus* zeus_;
    float difficulty_ = -1.0f;
    CameraFollow follow_;
    float stripes_ = DecorTapis::TRAITS_DEBUT;
    const char* caption_ = nullptr;
};

// The rows of one frame with the camera centred on x = cx: the belt and its
// stripes at `stripes`, the entities, the finish, and the difficulty prompt
// when `prompt` is given, or `caption` in its place. False when the scene could not begin.
bool drawFrame(TOVI3D* tovi, DecorTapis& decor, Zeus* zeus, float cx, float stripes, CD3DFont* prompt,
               const char* caption = nullptr);
