// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up benchmark: the least a Qt Widgets program must
// do to put up a window of the bar's size, kind and place. The bar's start-up
// time and memory are measured against this.
//
// With --with-field the window also holds one focused text field showing a
// word, as the bar's query field does: that row tells how much of the bar's
// cost any text field brings (fonts, input methods).
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(r);
    return atom;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool withField = argc > 1 && std::strcmp(argv[1], "--with-field") == 0;

    QWidget bar;
    bar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    bar.resize(210, 60);
    if (withField) {
        // Where the bar's query field sits.
        auto* field = new QLineEdit(QStringLiteral("Google"), &bar);
        field->setFrame(false);
        field->setGeometry(15, 31, 150, 18);
        field->setFocus();
    }
    // The dock type only sticks once the native window exists.
    const auto window = static_cast<xcb_window_t>(bar.winId());
    bar.setAttribute(Qt::WA_X11NetWmWindowTypeDock);

    // No taskbar or pager entry: the state has to be on the window before it
    // is mapped.
    if (auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* c = x11->connection();
        const xcb_atom_t states[] = {Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), Atom(c, "_NET_WM_STATE_SKIP_PAGER")};
        xcb_change_property(c, XCB_PROP_MODE_APPEND, window, Atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    bar.move(screen.x() + screen.width() / 2 - bar.width() / 2, -2);
    bar.show();
    return app.exec();
}
