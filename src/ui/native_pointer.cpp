#include "native_pointer.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace parabel::ui {

namespace {

// The start of an XInput 2 device event as XCB delivers it: the wire event's
// first 32 bytes, the full sequence number XCB puts after them, then the
// positions as 16.16 fixed-point numbers.
struct InputDeviceEvent {
    std::uint8_t responseType;
    std::uint8_t extension;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint16_t eventType;
    std::uint16_t deviceId;
    std::uint32_t time;
    std::uint32_t detail;
    std::uint32_t root;
    std::uint32_t event;
    std::uint32_t child;
    std::uint32_t fullSequence;
    std::int32_t rootX;
    std::int32_t rootY;
    std::int32_t eventX;
    std::int32_t eventY;
};
static_assert(offsetof(InputDeviceEvent, eventX) == 44, "XInput 2's device event layout");

constexpr std::uint16_t kInputMotion = 6;  // XI_Motion

double fromFixed(std::int32_t value) {
    return value / 65536.0;
}

int inputExtensionOpcode(xcb_connection_t* connection) {
    constexpr const char* kName = "XInputExtension";
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        connection,
        xcb_query_extension(connection, static_cast<std::uint16_t>(std::strlen(kName)), kName),
        nullptr);
    const int opcode = reply != nullptr && reply->present ? reply->major_opcode : -1;
    std::free(reply);
    return opcode;
}

}  // namespace

NativePointer& NativePointer::instance() {
    static NativePointer pointer;
    return pointer;
}

void NativePointer::install() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || watching_) {
        return;
    }
    inputExtension_ = inputExtensionOpcode(x11->connection());
    qGuiApp->installNativeEventFilter(this);
    watching_ = true;
}

void NativePointer::moved(WId window, QPointF devicePosition) {
    emit pointerMoved(window, devicePosition);
}

bool NativePointer::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7F;
    if (type == XCB_MOTION_NOTIFY) {
        const auto* motion = static_cast<const xcb_motion_notify_event_t*>(message);
        moved(motion->event, QPointF(motion->event_x, motion->event_y));
    } else if (type == XCB_GE_GENERIC && inputExtension_ >= 0) {
        const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
        if (generic->extension == inputExtension_ && generic->event_type == kInputMotion) {
            const auto* motion = static_cast<const InputDeviceEvent*>(message);
            moved(motion->event, QPointF(fromFixed(motion->eventX), fromFixed(motion->eventY)));
        }
    }
    return false;  // the toolkit handles every event as ever
}

}  // namespace parabel::ui
