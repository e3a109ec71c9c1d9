// The X side of the start-up probe: plain xcb requests, no toolkit, so that the
// watcher itself costs the watched program as little as possible.
#include "XWindowWatch.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reply<T> Own(T* reply) { return Reply<T>(reply, &std::free); }
} // namespace

XWindowWatch::XWindowWatch() {
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        throw std::runtime_error("cannot connect to the X display in $DISPLAY");
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    root = it.data->root;
    netWmPid = Atom("_NET_WM_PID");
    netWmName = Atom("_NET_WM_NAME");
}

XWindowWatch::~XWindowWatch() { xcb_disconnect(connection); }

xcb_atom_t XWindowWatch::Atom(const char* name) {
    auto reply = Own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string XWindowWatch::Title(xcb_window_t window) {
    for (xcb_atom_t property : {netWmName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        auto reply = Own(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, 256),
            nullptr));
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               std::size_t(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

std::int64_t XWindowWatch::Pid(xcb_window_t window) {
    auto reply = Own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return -1;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

xcb_window_t XWindowWatch::FindWindow(pid_t pid, const std::string& title) {
    auto tree = Own(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree) return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    // Without a window manager the program's top-level windows are the root's children.
    for (int i = count - 1; i >= 0; --i) {
        auto attributes = Own(xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
        if (Pid(children[i]) == pid && Title(children[i]) == title) return children[i];
    }
    return 0;
}

int XWindowWatch::Height(xcb_window_t window) {
    auto geometry =
        Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return geometry ? geometry->height : -1;
}

WindowPixels XWindowWatch::Grab(xcb_window_t window, int x, int y, int width, int height) {
    xcb_generic_error_t* error = nullptr;
    auto image = Own(xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, std::int16_t(x),
                      std::int16_t(y), std::uint16_t(width), std::uint16_t(height), ~0u),
        &error));
    std::free(error);
    WindowPixels pixels;
    // A 24-bit visual keeps each pixel in 32 bits, blue first.
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (!image || image->depth != 24 ||
        std::size_t(xcb_get_image_data_length(image.get())) != count * 4)
        return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgb.resize(count);
    std::memcpy(pixels.rgb.data(), xcb_get_image_data(image.get()), count * 4);
    for (std::uint32_t& p : pixels.rgb)
        p &= 0xFFFFFF;
    return pixels;
}
