// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "ui/results/accessibility.h"
#include "ui/tab_control.h"
#include "ui/tabs/audio_hd_tab.h"
#include "ui/tabs/bitrate_tab.h"
#include "ui/tabs/conversion_tab.h"
#include "ui/tabs/info_tab.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/classic_style.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design.h"
#include "ui/widgets/grounds.h"

namespace tessaly::ui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(TrefoilIcon());
    setFont(DesignFont(8.25));
    setFixedSize(Pixels(7560), Pixels(6255));

    tabs_ = new TabControl(this);
    Place(tabs_, "SSTab1", {0, 0, 7575, 6270});

    addPage(new BitrateTab);
    addPage(new AudioHdTab);
    addPage(new ConversionTab);
    addPage(new InfoTab);
    tabs_->setCurrentIndex(0);

    load();
    AnnounceAsWindow(this);

    // Every text box draws the classic sunken field and repaints its whole rectangle itself, so a
    // keystroke repaints neither a rounded frame nor the frames, lines and page beneath the fields
    // it changed. Frames are etched lines on the page's own colour, so the opaque labels inside
    // them match their ground. Buttons keep their look, except that a caption is never cut. The
    // style is the window's last child, so it outlives every control drawn with it. Option
    // buttons, the list, the combo box and the tab strip keep the application's look but for
    // their outlines, round marks and focus, which are seen in every palette.
    classicStyle_ = new ClassicStyle(style()->name());
    classicStyle_->setParent(this);
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->setAttribute(Qt::WA_OpaquePaintEvent);
        field->setStyle(classicStyle_);
    }
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        frame->setStyle(classicStyle_);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setStyle(classicStyle_);
    for (QWidget* control : findChildren<QWidget*>())
        if (qobject_cast<QRadioButton*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QListWidget*>(control) || qobject_cast<QTabBar*>(control))
            control->setStyle(classicStyle_);

    ColourGrounds(this, palette());

    // The tab strip comes first in the keyboard order and holds the focus when the window opens.
    setFocusProxy(tabs_);
    tabs_->setFocus();
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The desktop sets a new application palette: Qt sends every widget ApplicationPaletteChange
    // and then, once the window's own palette has followed, PaletteChange.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange)
        ColourGrounds(this, palette());
    return handled;
}

void MainWindow::addPage(TabPage* page) {
    tabs_->addTab(page, page->caption());
    connect(page, &TabPage::exitRequested, this, &QWidget::close);
    pages_.push_back(page);
}

void MainWindow::load() {
    QVector<StartupStep> steps;
    for (const TabPage* page : pages_)
        steps += page->startupSteps();
    std::stable_sort(steps.begin(), steps.end(),
                     [](const StartupStep& a, const StartupStep& b) { return a.order < b.order; });
    for (const StartupStep& step : steps)
        step.run();
}

}  // namespace tessaly::ui
