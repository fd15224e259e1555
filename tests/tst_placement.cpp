// SPDX-License-Identifier: MIT
// Where the windows stand on an X11 screen, run under a window manager that
// draws a frame round the main window and under none: their outer box, frame
// included, in the middle of the screen from the moment they are shown.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include "TestAccess.h"

namespace {

// 1440 twips to the inch on the tests' 96-dpi screen.
constexpr int kTwipsPerPixel = 15;

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, Free>;

xcb_connection_t* Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t Root() {
    return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
}

QSize Size(xcb_window_t window) {
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), window), nullptr));
    return geometry ? QSize(geometry->width, geometry->height) : QSize();
}

// The frame the window manager says it has drawn round the window.
QMargins Frame(xcb_window_t window) {
    xcb_connection_t* c = Connection();
    const char name[] = "_NET_FRAME_EXTENTS";
    const Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr));
    if (!atom)
        return {};
    const Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom->atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != 16)
        return {};
    const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(property.get()));
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

// The window's outer box as the X server holds it: the client area where it
// stands on the screen, grown by the frame the window manager announced.
QRect OuterBox(const QWidget& window) {
    const auto id = xcb_window_t(window.winId());
    const Reply<xcb_translate_coordinates_reply_t> corner(xcb_translate_coordinates_reply(
        Connection(), xcb_translate_coordinates(Connection(), id, Root(), 0, 0), nullptr));
    if (!corner)
        return {};
    return QRect(QPoint(corner->dst_x, corner->dst_y), Size(id)).marginsAdded(Frame(id));
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DiscardWindows(); }

    void outerBox_centred_data() {
        QTest::addColumn<bool>("about");
        QTest::newRow("main window") << false;
        QTest::newRow("About window") << true;
    }
    void outerBox_centred() {
        QFETCH(bool, about);
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        forms::Form* window = nullptr;
        if (about) {
            window = &OpenAbout();
        } else {
            window = new frmMainVelkaro;
            ShowAndWait(*window);
        }
        const QRect outer = OuterBox(Widget(*window));
        const QSize screen = Size(Root());
        QCOMPARE(screen, QSize(1280, 1024));
        // A window manager frames the main window; the About window draws
        // its own frame.
        const bool framed = qEnvironmentVariableIsSet("VELKARO_TEST_WINDOW_MANAGER") && !about;
        QCOMPARE(outer.size() != Widget(*window).size(), framed);

        // The centring rule, in pixels, to the pixel.
        const QPointF centred((screen.width() - outer.width()) / 2.0,
                              (screen.height() - outer.height()) / 2.0);
        const QString where = QStringLiteral("outer box %1,%2 %3x%4, centred at %5,%6")
                                  .arg(outer.left())
                                  .arg(outer.top())
                                  .arg(outer.width())
                                  .arg(outer.height())
                                  .arg(centred.x())
                                  .arg(centred.y());
        QVERIFY2(std::abs(outer.left() - centred.x()) <= 1 &&
                     std::abs(outer.top() - centred.y()) <= 1,
                 qPrintable(where));
        // In twips, as the rule set it and as it reads back.
        QCOMPARE(window->OuterWidth(), float(outer.width() * kTwipsPerPixel));
        QCOMPARE(window->OuterHeight(), float(outer.height() * kTwipsPerPixel));
        QCOMPARE(window->Top(), float(screen.height() - outer.height()) * kTwipsPerPixel / 2);
        QCOMPARE(window->Left(), float(screen.width() - outer.width()) * kTwipsPerPixel / 2);

        // It stays where it was first shown.
        QTest::qWait(250);
        QCOMPARE(OuterBox(Widget(*window)), outer);
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
