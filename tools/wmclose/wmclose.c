/* wmclose WINDOW: asks a window to close the way a window manager does, with
 * a WM_DELETE_WINDOW client message (destroying the window, as
 * `xdotool windowclose` does, is not the same for the program). */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: wmclose WINDOW-ID (as xdotool prints it)\n");
        return 2;
    }
    char* end = NULL;
    Window window = (Window)strtoul(argv[1], &end, 0);
    if (!end || *end || window == 0) {
        fprintf(stderr, "wmclose: '%s' is not a window id\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "wmclose: cannot open display; is DISPLAY set?\n");
        return 1;
    }
    Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    Atom* supported = NULL;
    int count = 0;
    int accepts = 0;
    if (XGetWMProtocols(display, window, &supported, &count)) {
        for (int i = 0; i < count; ++i)
            accepts |= supported[i] == deleteWindow;
        XFree(supported);
    }
    if (!accepts) {
        fprintf(stderr, "wmclose: window 0x%lx does not take WM_DELETE_WINDOW\n", (unsigned long)window);
        XCloseDisplay(display);
        return 1;
    }

    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)deleteWindow;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
