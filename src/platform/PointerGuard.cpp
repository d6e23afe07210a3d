// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PointerGuard.h"

#include "platform/XcbSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstring>
#include <functional>
#include <utility>

namespace {

// One band: a window that shows nothing, takes neither the focus nor a place
// in the window manager's lists, and reports the pointer's arrival.
class CGuardBand : public QWidget {
public:
    CGuardBand(QWidget* owner, std::function<void()> onEnter)
        : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                             Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
          m_onEnter(std::move(onEnter))
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_X11DoNotAcceptFocus);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void enterEvent(QEnterEvent* event) override
    {
        QWidget::enterEvent(event);
        m_onEnter();
    }

private:
    std::function<void()> m_onEnter;
};

// Xwayland names its outputs XWAYLAND0, XWAYLAND1...; newer ones also
// announce an extension of that name.
bool ServerIsXWayland()
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection) return false;
    constexpr char kName[] = "XWAYLAND";
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name().startsWith(QLatin1String(kName))) return true;
    }
    const auto cookie = xcb_query_extension(connection, std::strlen(kName), kName);
    const TXcbReply<xcb_query_extension_reply_t> reply(xcb_query_extension_reply(connection, cookie, nullptr));
    return reply && reply->present;
}

}  // namespace

CPointerGuard::CPointerGuard(QWidget* owner)
    : QObject(owner)
{
    for (QWidget*& band : m_bands) band = new CGuardBand(owner, [this] { OnBandEntered(); });
}

bool CPointerGuard::Needed()
{
    static const bool needed = ServerIsXWayland();
    return needed;
}

std::array<QRect, 3> CPointerGuard::Bands() const
{
    const QRect& r = m_around;
    return {QRect(r.left() - kReach, r.top(), kReach, r.height() + kReach),
            QRect(r.right() + 1, r.top(), kReach, r.height() + kReach),
            QRect(r.left(), r.bottom() + 1, r.width(), kReach)};
}

void CPointerGuard::Surround(const QRect& barRect)
{
    if (m_up && barRect == m_around) return;
    m_around = barRect;
    const std::array<QRect, 3> bands = Bands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        m_bands[i]->setGeometry(bands[i]);
        m_bands[i]->show();
    }
    m_up = true;
}

void CPointerGuard::Withdraw()
{
    if (!m_up) return;
    m_up = false;
    for (QWidget* band : m_bands) band->hide();
}

void CPointerGuard::OnBandEntered()
{
    if (!m_up) return;
    Withdraw();
    emit Crossed();
}
