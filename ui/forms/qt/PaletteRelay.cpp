// SPDX-License-Identifier: MIT
#include "PaletteRelay.h"

#include <QCoreApplication>
#include <QEvent>

#include "Native.h"
#include "Widgets.h"

namespace forms::qt {

namespace {

class PaletteRelay : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() &&
            event->type() == QEvent::ApplicationPaletteChange)
            for (Form* form : LiveWindows())
                QCoreApplication::sendEvent(&Widget(*form), event);
        return false;
    }
};

} // namespace

void RelayPaletteChanges() {
    OnceWithApplication([] {
        QCoreApplication::instance()->installEventFilter(
            new PaletteRelay(QCoreApplication::instance()));
    });
}

} // namespace forms::qt
