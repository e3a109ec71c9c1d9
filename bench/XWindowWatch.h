// Looks at another process's window from outside, over the X protocol: finds
// its top-level window by process id and title, and reads the window's pixels.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// Pixels as 0xRRGGBB, row by row.
struct WindowPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const {
        return rgb[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

class XWindowWatch {
public:
    // Connects to $DISPLAY; throws std::runtime_error when it cannot.
    XWindowWatch();
    ~XWindowWatch();
    XWindowWatch(const XWindowWatch&) = delete;
    XWindowWatch& operator=(const XWindowWatch&) = delete;

    // The viewable top-level window that process `pid` shows under `title`, or 0.
    xcb_window_t FindWindow(pid_t pid, const std::string& title);
    // The window's height, or -1 once it is gone.
    int Height(xcb_window_t window);
    // The pixels of a rectangle of the window; empty when they cannot be read.
    WindowPixels Grab(xcb_window_t window, int x, int y, int width, int height);

private:
    xcb_atom_t Atom(const char* name);
    std::string Title(xcb_window_t window);
    std::int64_t Pid(xcb_window_t window);

    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t netWmPid = 0, netWmName = 0;
};
