// The pointer's position as the windowing system reports it: in device
// pixels of the native window it moved in, before the toolkit rounds it.
// On X11 at a scale factor above 1, Qt hands widgets the pointer rounded to
// the nearest logical pixel, so half of the device pixels of a logical pixel
// would read its neighbour and the last device column of an area would read
// nothing; the plots read the device pixel from here instead, flooring it.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointF>
#include <QWindow>
#include <cstdint>

namespace parabel::ui {

class NativePointer final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    static NativePointer& instance();

    // Starts watching the windowing system's pointer motion where it can be
    // read (X11: core and XInput 2 events); elsewhere the widgets' own
    // positions serve.
    void install();
    bool watching() const { return watching_; }

    // A motion of the pointer to `devicePosition` in the native window
    // `window`: what the X11 filter reports, and what tests report in its
    // place (after setWatching).
    void moved(WId window, QPointF devicePosition);
    void setWatching(bool watching) { watching_ = watching; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  signals:
    void pointerMoved(WId window, QPointF devicePosition);

  private:
    bool watching_ = false;
    int inputExtension_ = -1;  // the XInput extension's major opcode, or -1
};

}  // namespace parabel::ui
