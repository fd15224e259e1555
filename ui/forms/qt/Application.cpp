// SPDX-License-Identifier: MIT
#include "forms/Application.h"

#include <QApplication>
#include <QTimer>

#include "Native.h"
#include "Widgets.h"
#include "forms/Form.h"
#include "forms/Platform.h"

namespace forms {

void PreparePlatform() {
    // With shared-memory images every repaint on X11 waits for the server's
    // answer to the one before; the greeting repaints a hundred times a second
    // and costs half as much without them. The windows are small: their pixels
    // go over the connection. Whoever sets the variable keeps their choice.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

namespace platform {

int RunProgram(Form& first, const std::function<void()>& shown) {
    qt::Widget(first).show();
    if (shown)
        shown();
    const int result = QApplication::exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}

void EndProgram() {
    for (Form* form : LiveWindows()) {
        QWidget& widget = qt::Widget(*form);
        for (QTimer* timer : widget.findChildren<QTimer*>())
            timer->stop();
        widget.hide();
    }
    QCoreApplication::exit(0);
}

} // namespace platform
} // namespace forms
