// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for driving modal dialogs from a test: exec() blocks, so whatever
// the test wants to do inside a dialog is queued first and runs once the
// dialog is up.

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
inline void OnNextModal(std::function<void(QWidget*)> action, const QWidget* outer = nullptr, int timeoutMs = 5000)
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

// OnNextModal for a dialog of type T. A modal of another kind fails the test
// and is closed.
template <class T>
void OnNextDialog(std::function<void(T*)> action, const QWidget* outer = nullptr)
{
    OnNextModal(
        [action = std::move(action)](QWidget* modal) {
            if (T* dialog = qobject_cast<T*>(modal)) {
                action(dialog);
                return;
            }
            ADD_FAILURE() << "a " << modal->metaObject()->className() << " came up instead of a "
                          << T::staticMetaObject.className();
            modal->close();
        },
        outer);
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
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
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

// Rejects every modal dialog of type T that comes up while it lives and notes
// that one did: for checking that something does not open a dialog, without
// hanging in its exec() when it does.
template <class T>
class ModalRefuser {
public:
    ModalRefuser()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_shown = true;
                dialog->reject();
            }
        });
        m_poll.start(2);
    }
    ModalRefuser(const ModalRefuser&) = delete;
    ModalRefuser& operator=(const ModalRefuser&) = delete;

    bool Shown() const { return m_shown; }

private:
    QTimer m_poll;
    bool m_shown = false;
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
