#pragma once
// The window's icon, for the window manager's task bar and switcher.

namespace platform {

// Reads a picture file (PNG with alpha) and hands it to SDL as the icon of the
// window to come: SDL 1.2 takes it only before the video mode is set. Without
// the file the window simply has no icon.
void setWindowIcon(const char* file);

// A picture file as rows of R, G, B, A bytes; false when it cannot be read.
bool readRgbaPicture(const char* file, int& width, int& height, unsigned char*& rgba);
void freeRgbaPicture(unsigned char* rgba);

} // namespace platform
