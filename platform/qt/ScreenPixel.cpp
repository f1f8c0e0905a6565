#include "platform/qt/ScreenPixel.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <xcb/xcb.h>

#include "platform/qt/X11Connection.h"

namespace tonik {
namespace {

constexpr int32_t NO_PIXEL = -1;

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

// The colour value of an image's top-left pixel.
int32_t PixelColor(const QImage& image)
{
    const QRgb pixel = image.pixel(0, 0);
    return int32_t(uint32_t(qRed(pixel)) | uint32_t(qGreen(pixel)) << 8 | uint32_t(qBlue(pixel)) << 16);
}

// A screen's rectangle in device pixels of the virtual desktop (on X11, the
// root window's own coordinates). Qt keeps each screen's top-left as the
// window system gives it, in device pixels, and scales only its size.
QRect DeviceRect(const QScreen* screen)
{
    const qreal ratio = screen->devicePixelRatio();
    const QRect logical = screen->geometry();
    return QRect(logical.topLeft(),
                 QSize(int(std::lround(logical.width() * ratio)), int(std::lround(logical.height() * ratio))));
}

// The screen whose device rectangle holds the device pixel, or null off every screen.
const QScreen* ScreenOfDevicePixel(int x, int y)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (DeviceRect(screen).contains(x, y))
            return screen;
    }
    return nullptr;
}

}  // namespace

DevicePoint ToDevicePixel(const QPointF& globalPosition)
{
    // Qt's logical positions of a scaled screen are whole numbers, which skip
    // device pixels; on X11 the pointer's own device position is exact.
    if (int rootX = 0, rootY = 0; QueryX11Pointer(rootX, rootY))
        return {rootX, rootY};
    const QScreen* screen = QGuiApplication::screenAt(globalPosition.toPoint());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {int(std::floor(globalPosition.x())), int(std::floor(globalPosition.y()))};
    const qreal ratio = screen->devicePixelRatio();
    const QPointF local = globalPosition - QPointF(screen->geometry().topLeft());
    const QRect device = DeviceRect(screen);
    // Positions are device pixels divided by the ratio; the epsilon undoes rounding.
    return {device.x() + int(std::floor(local.x() * ratio + 1e-6)),
            device.y() + int(std::floor(local.y() * ratio + 1e-6))};
}

int32_t ReadScreenPixel(int x, int y)
{
    // Any monitor's pixel: the X root window covers them all; between and
    // beyond them there is no colour.
    const QScreen* screen = ScreenOfDevicePixel(x, y);
    if (screen == nullptr)
        return NO_PIXEL;
    int32_t color = NO_PIXEL;
    if (ReadX11Pixel(x, y, color))
        return color;

    // Elsewhere a one-pixel grab of the screen; at a scale of 1 it is exact.
    const qreal ratio = screen->devicePixelRatio();
    const QRect device = DeviceRect(screen);
    const QPixmap grab = const_cast<QScreen*>(screen)->grabWindow(
        0, int(std::floor((x - device.x()) / ratio)), int(std::floor((y - device.y()) / ratio)), 1, 1);
    const QImage image = grab.toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return NO_PIXEL;
    return PixelColor(image);
}

int32_t ReadWidgetPixel(QWidget* widget, QPoint point)
{
    if (widget == nullptr || !widget->rect().contains(point))
        return NO_PIXEL;
    const QImage image = widget->grab(QRect(point, QSize(1, 1))).toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return NO_PIXEL;
    return PixelColor(image);
}

}  // namespace tonik
