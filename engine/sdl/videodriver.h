#pragma once
// SDL 1.2 without a display falls back to text-mode drivers (caca, aalib,
// fbcon) that cannot give OpenGL and fill the terminal with escape sequences:
// the program's window asks for X11 unless SDL_VIDEODRIVER names another.

// Sets the video driver and the window class ("plumfall", so that desktops
// match the window to its menu entry) unless the user set them. With X11 and
// no DISPLAY, writes one "Error: ..." line and ends the process with exit
// code 1, as a failed SDL start does, before anything else is printed.
void chooseVideoDriver();
