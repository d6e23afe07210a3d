#pragma once

// Helpers for driving modal dialogs from a test: exec() blocks, so whatever
// the test wants to do inside a dialog is queued first and runs once the
// dialog is up.

#include "platform/AddressOpener.h"
#include "store/EngineList.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Calls `action` with the first visible modal widget other than `outer`, as
// soon as one is up. Fails the test (and leaves exec() to the caller's own
// cleanup) if none comes within the deadline.
inline void OnNextModal(std::function<void(QWidget*)> action, const QWidget* outer = nullptr,
                        int timeoutMs = 5000)
{
    auto* poll = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(timeoutMs);
    poll->setInterval(2);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, outer, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != outer && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        } else if (deadline->hasExpired()) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal dialog came up";
        }
    });
    poll->start();
}

// What a message box showed before the test closed it.
struct SShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool ok = false;  // it was a message box with an OK button
};

// Closes every message box that comes up while it lives, with OK, and
// records what each showed.
class MessageCatcher {
public:
    MessageCatcher()
    {
        m_poll.setInterval(2);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            SShownMessage m;
            m.title = box->windowTitle();
            m.text = box->text();
            m.icon = box->icon();
            m.ok = box->standardButtons() == QMessageBox::Ok;
            m_shown.push_back(m);
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
            else box->reject();
        });
        m_poll.start();
    }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    const std::vector<SShownMessage>& Shown() const { return m_shown; }

private:
    QTimer m_poll;
    std::vector<SShownMessage> m_shown;
};

// Records the addresses OpenAddress gets instead of starting a browser.
class RecordingOpener {
public:
    RecordingOpener()
    {
        m_previous = SetAddressOpener([this](const std::string& a) { m_opened.push_back(a); });
    }
    ~RecordingOpener() { SetAddressOpener(m_previous); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    const std::vector<std::string>& Opened() const { return m_opened; }

private:
    AddressOpener m_previous;
    std::vector<std::string> m_opened;
};

inline SSearch Engine(std::string name, std::string abbreviation, std::string group, bool selected = true,
                      std::int32_t extra = 0)
{
    SSearch s;
    s.name = std::move(name);
    s.url = "http://example.org/?q=[keyword]";
    s.abbreviation = std::move(abbreviation);
    s.group = std::move(group);
    s.selected = selected;
    s.extra = extra;
    return s;
}

inline CEngineList ListOf(const std::vector<SSearch>& records)
{
    CEngineList list;
    for (const SSearch& r : records) list.Append(r);
    return list;
}

inline std::vector<std::string> Names(const CEngineList& list)
{
    std::vector<std::string> names;
    for (const SSearch& s : list) names.push_back(s.name);
    return names;
}

// Screenshots go to $LUMORA_SHOTS_DIR when it is set.
inline void SaveShot(QWidget* w, const QString& name)
{
    const QByteArray dir = qgetenv("LUMORA_SHOTS_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}
