#pragma once
// What one frame of play is given: the first F-key pressed in it (0: none) and,
// when the pointer moved, the pixel of the 800 x 600 view it moved to last.
// The window, the demo, a replay and the headless world all say it so.
struct FrameInput {
    int fkey = 0;
    bool moved = false;
    int x = 0, y = 0;
};
