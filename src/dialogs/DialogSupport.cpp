// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/DialogSupport.h"

#include "dialogs/SimpleLink.h"
#include "platform/DialogUnits.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

// Room a push button needs around its text for the frame and focus rectangle.
constexpr int kButtonTextPadding = 16;

}  // namespace

void PlaceControl(QWidget* control, int x, int y, int width, int height)
{
    control->setGeometry(DialogRectToPixels(x, y, width, height));
}

void GrowToFit(QLabel* label)
{
    const QSize needed = label->sizeHint();
    label->resize(std::max(label->width(), needed.width()), std::max(label->height(), needed.height()));
}

QLabel* AddStatic(QWidget* parent, const QString& text, int x, int y, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    PlaceControl(label, x, y, width, height);
    GrowToFit(label);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& text, int x, int y, int width, int height)
{
    auto* button = new QPushButton(text, parent);
    PlaceControl(button, x, y, width, height);
    const QFontMetrics metrics(button->font());
    const int neededWidth = metrics.horizontalAdvance(button->text()) + kButtonTextPadding;
    const int neededHeight = button->minimumSizeHint().height();
    button->resize(std::max(button->width(), neededWidth), std::max(button->height(), neededHeight));
    return button;
}

CSimpleLink* AddLink(QWidget* parent, const QString& caption, int x, int y, int width, int height)
{
    auto* link = new CSimpleLink(parent);
    link->setText(caption);
    PlaceControl(link, x, y, width, height);
    // Sized for the font it gets at attach, so the hit rectangle covers the caption.
    link->setFont(CSimpleLink::DefaultLinkFont());
    GrowToFit(link);
    link->Attach();
    return link;
}

void FixDialogSize(QDialog* dialog, int width, int height)
{
    const QRect client = DialogRectToPixels(0, 0, width, height);
    // Keep the template's right and bottom margin around anything that grew.
    const int margin = DialogUnitsToPixelsX(7);
    const QRect children = dialog->childrenRect();
    const int w = std::max(client.width(), children.isEmpty() ? 0 : RightEdge(children) + margin);
    const int h = std::max(client.height(), children.isEmpty() ? 0 : BottomEdge(children) + margin);
    dialog->setFixedSize(w, h);
}

QString ProgramName()
{
    // The name the program was started by: the file that runs is the GUI
    // program behind the `lumora` the user started.
    const QStringList arguments = QCoreApplication::arguments();
    const QString started = arguments.isEmpty() ? QCoreApplication::applicationFilePath() : arguments.first();
    const QString name = QFileInfo(started).completeBaseName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

void ReportInvalidArgument(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, ProgramName(),
                    QCoreApplication::translate("DialogSupport", kInvalidArgumentText), QMessageBox::Ok, parent);
    box.exec();
}
