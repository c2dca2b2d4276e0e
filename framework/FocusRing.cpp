// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FocusRing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace {

bool shown = false;

// The keys that move the focus whatever has it; arrows move it only where a window says so.
bool MovesFocus(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

class TFocusKeyWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && MovesFocus(static_cast<QKeyEvent*>(event)->key()))
            SetFocusRingsShown(true);
        // Presses the program sends itself (a key answering like a click) leave the rings on.
        else if (event->type() == QEvent::MouseButtonPress && event->spontaneous())
            SetFocusRingsShown(false);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void WatchFocusKeys(QCoreApplication& application) {
    application.installEventFilter(new TFocusKeyWatch(&application));
}

bool FocusRingsShown() {
    return shown;
}

void SetFocusRingsShown(bool on) {
    if (shown == on)
        return;
    shown = on;
    if (QWidget* focused = QApplication::focusWidget())
        focused->update();
}

void DrawFocusRing(QPainter& painter, const QRect& rect, int width) {
    const QRect inner = rect.adjusted(width, width, -width, -width);
    const QRegion edged = QRegion(rect).subtracted(QRegion(inner));
    const QRegion coloured =
        QRegion(rect.adjusted(1, 1, -1, -1)).subtracted(QRegion(inner.adjusted(-1, -1, 1, 1)));
    painter.save();
    painter.setClipRegion(edged);
    painter.fillRect(rect, Qt::black);
    painter.setClipRegion(coloured);
    painter.fillRect(rect, ToQColor(clFocusRing));
    painter.restore();
}
