// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SelectedText.h"

#include "platform/XcbSupport.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

namespace {

// Far more than the bar takes of a selection.
constexpr std::uint32_t kMaxBytes = 64 * 1024;

bool HasVisibleText(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isSpace() && c.category() != QChar::Other_Control) return true;
    }
    return false;
}

QString ClipboardText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return {};
    if (clipboard->supportsSelection()) {
        const QString selected = clipboard->text(QClipboard::Selection);
        if (HasVisibleText(selected)) return selected;
    }
    const QString copied = clipboard->text(QClipboard::Clipboard);
    return HasVisibleText(copied) ? copied : QString();
}

}  // namespace

CSelectionReader::CSelectionReader(QObject* parent)
    : QObject(parent)
{
    m_limit = new QTimer(this);
    m_limit->setSingleShot(true);
    connect(m_limit, &QTimer::timeout, this, [this] { Finish({}); });
}

CSelectionReader::~CSelectionReader()
{
    if (xcb_connection_t* connection = QtXcbConnection(); connection && m_window) {
        xcb_destroy_window(connection, m_window);
        xcb_flush(connection);
    }
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CSelectionReader::Read(Done done, std::chrono::milliseconds limit)
{
    if (m_done) return false;
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection) {
        done(ClipboardText());
        return true;
    }
    if (!m_window) {
        // A window of our own that the owners put the text on.
        m_window = xcb_generate_id(connection);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, m_window, RootWindow(connection), 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        m_property = InternAtom(connection, "LUMORA_SELECTION");
        m_utf8 = InternAtom(connection, "UTF8_STRING");
        m_incr = InternAtom(connection, "INCR");
        const xcb_atom_t clipboard = InternAtom(connection, "CLIPBOARD");
        // Text as UTF-8, else as Latin-1 for owners that know no better.
        m_asks = {{XCB_ATOM_PRIMARY, m_utf8}, {XCB_ATOM_PRIMARY, XCB_ATOM_STRING}};
        if (clipboard != XCB_ATOM_NONE) {
            m_asks.push_back({clipboard, m_utf8});
            m_asks.push_back({clipboard, XCB_ATOM_STRING});
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    m_done = std::move(done);
    m_next = 0;
    m_limit->start(limit);
    AskNext();
    return true;
}

void CSelectionReader::AskNext()
{
    m_bytes.clear();
    m_incremental = false;
    if (m_next >= m_asks.size()) {
        Finish({});
        return;
    }
    const SAsk ask = m_asks[m_next++];
    m_asking = ask;
    xcb_connection_t* connection = QtXcbConnection();
    xcb_delete_property(connection, m_window, m_property);
    xcb_convert_selection(connection, m_window, ask.selection, ask.target, m_property, XCB_CURRENT_TIME);
    xcb_flush(connection);
}

bool CSelectionReader::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (!m_done || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_NOTIFY: {
        const auto* notify = static_cast<const xcb_selection_notify_event_t*>(message);
        if (notify->requestor != m_window) return false;
        // The late answer to an earlier question.
        if (notify->selection != m_asking.selection || notify->target != m_asking.target) return true;
        // No owner, or one that cannot give text of this kind.
        if (notify->property == XCB_ATOM_NONE)
            AskNext();
        else
            TakeProperty();
        return true;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
        if (notify->window != m_window || notify->atom != m_property) return false;
        if (m_incremental && notify->state == XCB_PROPERTY_NEW_VALUE) TakeProperty();
        return true;
    }
    default: break;
    }
    return false;
}

// Deleting the property tells an owner that sends in parts to send the next.
void CSelectionReader::TakeProperty()
{
    xcb_connection_t* connection = QtXcbConnection();
    const TXcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 1, m_window, m_property, XCB_ATOM_ANY, 0, kMaxBytes / 4), nullptr));
    xcb_flush(connection);
    if (!reply) {
        AskNext();
        return;
    }
    if (reply->type == m_incr) {
        m_incremental = true;  // the parts follow as new values
        return;
    }
    const int length = xcb_get_property_value_length(reply.get());
    m_bytes.append(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
    // An incremental transfer ends with an empty part; enough is enough too.
    if (m_incremental && length > 0 && m_bytes.size() < static_cast<qsizetype>(kMaxBytes)) return;
    const QString text = reply->type == XCB_ATOM_STRING ? QString::fromLatin1(m_bytes) : QString::fromUtf8(m_bytes);
    if (HasVisibleText(text))
        Finish(text);
    else
        AskNext();
}

void CSelectionReader::Finish(const QString& text)
{
    m_limit->stop();
    m_bytes.clear();
    m_incremental = false;
    if (!m_done) return;
    const Done done = std::move(m_done);
    m_done = nullptr;
    done(text);
}
