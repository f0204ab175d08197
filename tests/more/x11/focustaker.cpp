// Another X11 client that takes the keyboard focus from the application under test, as a user
// switching programs does: maps a small window at the position given by the two arguments, gives
// it the input focus, prints "ready" once it has it, and keeps it until its standard input closes.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSizeHints hints {};
    hints.flags = USPosition | USSize;
    hints.x = argc > 2 ? std::atoi(argv[1]) : 0;
    hints.y = argc > 2 ? std::atoi(argv[2]) : 0;
    hints.width = 60;
    hints.height = 40;
    const int screen = DefaultScreen(display);
    const Window window
        = XCreateSimpleWindow(display, RootWindow(display, screen), hints.x, hints.y, hints.width,
                              hints.height, 0, BlackPixel(display, screen), WhitePixel(display, screen));
    XSetWMNormalHints(display, window, &hints);
    XSelectInput(display, window, StructureNotifyMask | FocusChangeMask);
    XMapRaised(display, window);
    XEvent event;
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify);
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    do
        XNextEvent(display, &event);
    while (event.type != FocusIn);
    std::printf("ready\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) { }
    XCloseDisplay(display);
    return 0;
}
