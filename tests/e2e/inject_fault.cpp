// SPDX-License-Identifier: GPL-3.0-or-later
// Linked only into the copy of the game that the error window's end-to-end test runs: a press on
// the "Shapes" button raises an exception from inside the handling of that press, as a fault in
// any handler would.
#include <QCoreApplication>
#include <QEvent>

#include <stdexcept>

namespace {

class FaultOnShapes : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched->objectName() == QLatin1String("btnShapes"))
            throw std::runtime_error("injected fault");
        return false;
    }
};

void InstallFault() {
    QCoreApplication::instance()->installEventFilter(new FaultOnShapes(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFault)
