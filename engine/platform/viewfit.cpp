#include "engine/platform/viewfit.h"

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

int toView(int x, int origin, int shownSize, int viewSize)
{
    if (shownSize <= 0 || viewSize <= 0)
        return 0;
    int64_t v = (int64_t(x) - origin) * viewSize;
    // Floor, also left of the picture, so that the bars clamp to 0.
    v = v >= 0 ? v / shownSize : -((-v + shownSize - 1) / shownSize);
    return int(std::clamp<int64_t>(v, 0, viewSize - 1));
}

} // namespace

ViewRect fitView(int viewWidth, int viewHeight, int windowWidth, int windowHeight)
{
    if (viewWidth <= 0 || viewHeight <= 0 || windowWidth <= 0 || windowHeight <= 0)
        return {0, 0, std::max(windowWidth, 0), std::max(windowHeight, 0)};
    int width = windowWidth, height = windowHeight;
    if (int64_t(windowWidth) * viewHeight > int64_t(windowHeight) * viewWidth)
        width = int(int64_t(windowHeight) * viewWidth / viewHeight);
    else
        height = int(int64_t(windowWidth) * viewHeight / viewWidth);
    return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

void windowToView(const ViewRect& shown, int viewWidth, int viewHeight, int x, int y, int* viewX, int* viewY)
{
    *viewX = toView(x, shown.x, shown.width, viewWidth);
    *viewY = toView(y, shown.y, shown.height, viewHeight);
}

} // namespace platform
