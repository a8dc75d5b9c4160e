#pragma once
// Where a picture of fixed size shows in a window of another size: as large
// as it fits at its own aspect ratio, centred, black bars on the two sides
// that are left over. The device and the window's mouse mapping share it.

namespace platform {

struct ViewRect {
    int x, y, width, height; // window pixels, origin top-left
};

ViewRect fitView(int viewWidth, int viewHeight, int windowWidth, int windowHeight);

// The view pixel under window pixel (x, y). Points in the bars or outside the
// window go to the nearest edge of the view.
void windowToView(const ViewRect& shown, int viewWidth, int viewHeight, int x, int y, int* viewX, int* viewY);

} // namespace platform
