// Grabs, as another X11 client, the display's keyboard and pointer and lets go at once; prints
// "keyboard <status> pointer <status>" with Xlib's grab status (0 success, 1 already grabbed).

#include <X11/Xlib.h>
#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Window root = DefaultRootWindow(display);
    const int keyboard = XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (keyboard == GrabSuccess)
        XUngrabKeyboard(display, CurrentTime);
    const int pointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync,
                                     None, None, CurrentTime);
    if (pointer == GrabSuccess)
        XUngrabPointer(display, CurrentTime);
    std::printf("keyboard %d pointer %d\n", keyboard, pointer);
    XCloseDisplay(display);
    return 0;
}
