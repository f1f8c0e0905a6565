#include "platform/qt/ScreenPixel.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <cmath>
#include <cstdlib>
#include <xcb/xcb.h>

namespace tonik {
namespace {

constexpr int32_t NO_PIXEL = -1;

xcb_connection_t* X11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// Reads one pixel of the X root window in device coordinates; false when this
// is not an X11 session or the request fails.
bool ReadX11Pixel(int rootX, int rootY, int32_t& color)
{
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr || (screen->root_depth != 24 && screen->root_depth != 32))
        return false;
    const xcb_get_image_cookie_t cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, int16_t(rootX), int16_t(rootY), 1, 1, ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr);
    if (reply == nullptr)
        return true;  // the read itself failed: no colour
    const uint8_t* data = xcb_get_image_data(reply);
    const int length = xcb_get_image_data_length(reply);
    color = NO_PIXEL;
    if (data != nullptr && length >= 4) {
        // A 24- or 32-bit TrueColor pixel is stored as blue, green, red, pad.
        color = int32_t(uint32_t(data[2]) | uint32_t(data[1]) << 8 | uint32_t(data[0]) << 16);
    }
    std::free(reply);
    return true;
}

// The pointer's position on the X root window, in device pixels.
bool QueryX11Pointer(int& rootX, int& rootY)
{
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr)
        return false;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (reply == nullptr)
        return false;
    rootX = reply->root_x;
    rootY = reply->root_y;
    std::free(reply);
    return true;
}

}  // namespace

DevicePoint ToPrimaryDevicePixel(const QPointF& globalPosition)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Qt's logical positions of a scaled screen are whole numbers, which skip
    // device pixels; on X11 the pointer's own device position is exact.
    if (int rootX = 0, rootY = 0; screen != nullptr && QueryX11Pointer(rootX, rootY)) {
        const qreal ratio = screen->devicePixelRatio();
        return {rootX - int(std::lround(screen->geometry().x() * ratio)),
                rootY - int(std::lround(screen->geometry().y() * ratio))};
    }
    if (screen == nullptr)
        return {int(std::floor(globalPosition.x())), int(std::floor(globalPosition.y()))};
    const qreal ratio = screen->devicePixelRatio();
    const QPointF local = globalPosition - QPointF(screen->geometry().topLeft());
    // Positions are device pixels divided by the ratio; the epsilon undoes rounding.
    return {int(std::floor(local.x() * ratio + 1e-6)), int(std::floor(local.y() * ratio + 1e-6))};
}

int32_t ReadScreenPixel(int x, int y)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return NO_PIXEL;
    const qreal ratio = screen->devicePixelRatio();
    const QRect logical = screen->geometry();
    const int width = int(std::lround(logical.width() * ratio));
    const int height = int(std::lround(logical.height() * ratio));
    if (x < 0 || y < 0 || x >= width || y >= height)
        return NO_PIXEL;

    const int originX = int(std::lround(logical.x() * ratio));
    const int originY = int(std::lround(logical.y() * ratio));
    int32_t color = NO_PIXEL;
    if (ReadX11Pixel(originX + x, originY + y, color))
        return color;

    // Elsewhere a one-pixel grab of the screen; at a scale of 1 it is exact.
    const QPixmap grab = const_cast<QScreen*>(screen)->grabWindow(
        0, int(std::floor(x / ratio)), int(std::floor(y / ratio)), 1, 1);
    const QImage image = grab.toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return NO_PIXEL;
    const QRgb pixel = image.pixel(0, 0);
    return int32_t(uint32_t(qRed(pixel)) | uint32_t(qGreen(pixel)) << 8 | uint32_t(qBlue(pixel)) << 16);
}

}  // namespace tonik
