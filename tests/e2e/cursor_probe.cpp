// Prints how many pixels of the pointer the X server shows now (0: hidden). Screenshots
// never contain the pointer, so this asks the server for the cursor image itself.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cursor_probe: cannot open the display\n");
        return 2;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) {
        std::fprintf(stderr, "cursor_probe: the server gives no cursor image\n");
        XCloseDisplay(display);
        return 2;
    }
    long visible = 0;
    for (int i = 0; i < image->width * image->height; ++i) {
        if ((image->pixels[i] >> 24) != 0) ++visible;
    }
    std::printf("%ld\n", visible);
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
