// SPDX-License-Identifier: MIT
#include "Accessibility.h"
#include "Widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace forms::qt::accessibility {

namespace {

// A window's voice: an object that screen readers present as a notification,
// spoken the moment it reports itself shown. Orca reads neither a label's new
// caption nor a new name of the control that has the focus, but it reads
// this at once. It draws nothing and takes no focus.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget& window)
        : QWidget(&window) {
        setObjectName(QStringLiteral("announcer"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
        window.installEventFilter(this);
    }

    void Say(const QString& text) {
        pending_ = text;
        if (window()->isActiveWindow())
            SayPending();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Once the window's activation has been told, and the focus with it.
        if (event->type() == QEvent::WindowActivate && !pending_.isNull())
            QMetaObject::invokeMethod(this, &Announcer::SayPending, Qt::QueuedConnection);
        return false;
    }

private:
    void SayPending() {
        if (pending_.isNull())
            return;
        // The name is what is spoken; setting it also keeps a screen reader's
        // copy of it up to date.
        setAccessibleName(pending_);
        pending_ = QString();
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QString pending_;
};

QAccessibleInterface* Interfaces(const QString& key, QObject* object) {
    if (key == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void Install() {
    OnceWithApplication([] { QAccessible::installFactory(&Interfaces); });
}

void Announce(QWidget& window, const QString& text) {
    Announcer* announcer = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->Say(text);
}

void RestateFocusLater() {
    QMetaObject::invokeMethod(
        QApplication::instance(),
        [] {
            if (QWidget* focus = QApplication::focusWidget()) {
                QAccessibleEvent event(focus, QAccessible::Focus);
                QAccessible::updateAccessibility(&event);
            }
        },
        Qt::QueuedConnection);
}

} // namespace forms::qt::accessibility

#include "Accessibility.moc"
