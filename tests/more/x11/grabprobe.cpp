// grabprobe
//
// Tries, as another X11 client, to grab the keyboard and the pointer of the
// display, and lets go of whatever it got at once. Prints
// "keyboard <status> pointer <status>" with Xlib's grab status (0 success,
// 1 already grabbed by another client, ...); exits 2 without a display.

#include <X11/Xlib.h>
#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "grabprobe: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const int keyboard = XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (keyboard == GrabSuccess)
        XUngrabKeyboard(display, CurrentTime);
    const int pointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync,
                                     None, None, CurrentTime);
    if (pointer == GrabSuccess)
        XUngrabPointer(display, CurrentTime);
    XSync(display, False);
    std::printf("keyboard %d pointer %d\n", keyboard, pointer);
    XCloseDisplay(display);
    return 0;
}
