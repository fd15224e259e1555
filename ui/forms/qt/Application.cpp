// SPDX-License-Identifier: MIT
#include "forms/Application.h"

#include <QCoreApplication>
#include <QTimer>

#include "Widgets.h"

namespace forms {

namespace qt {

QList<FormWidget*>& LiveForms() {
    static QList<FormWidget*> forms;
    return forms;
}

} // namespace qt

void PreparePlatform() {
    // With shared-memory images every repaint on X11 waits for the server's
    // answer to the one before; the greeting repaints a hundred times a second
    // and costs half as much without them. The windows are small: their pixels
    // go over the connection. Whoever sets the variable keeps their choice.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void End() {
    for (qt::FormWidget* form : qt::LiveForms()) {
        for (QTimer* timer : form->findChildren<QTimer*>())
            timer->stop();
        form->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace forms
