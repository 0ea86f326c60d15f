// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabs/audio_hd_tab.h"

#include "ui/tabs/audio_bitrate_section.h"
#include "ui/tabs/hd_space_section.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

QString AudioHdTab::caption() const { return tr("Audio and HD Space"); }

AudioHdTab::AudioHdTab(QWidget* parent) : TabPage(parent), separators_(LocaleSeparators()) {
    auto* hdSpace = new HdSpaceSection(canvas(), separators_);
    auto* audioBitrate = new AudioBitrateSection(canvas(), separators_);
    QWidget::setTabOrder(hdSpace->lastInTabOrder(), audioBitrate->firstInTabOrder());

    // The window's start-up: first of all the combo is disabled; third and fourth each
    // section's defaults are written; last the combo's list is filled.
    atStartup(0, [hdSpace] { hdSpace->disableCombo(); });
    atStartup(2, [hdSpace] { hdSpace->loadDefaults(); });
    atStartup(3, [audioBitrate] { audioBitrate->loadDefaults(); });
    atStartup(5, [hdSpace] { hdSpace->loadComboItems(); });

    // The HD space section is outlined on its left, top and bottom, and a dotted line parts
    // it from the audio bitrate section.
    addEtchedRectangle(225, 945, 3330, 1620);
    addStroke({QLine(90, 450, 90, 6120), QPalette::HighlightedText, 2});
    addStroke({QLine(90, 450, 3465, 450), QPalette::HighlightedText, 2});
    addStroke({QLine(90, 6120, 3465, 6120), QPalette::Dark, 2});
    addStroke({QLine(3465, 450, 3465, 6120), QPalette::Dark, 1, true});
    addStroke({QLine(0, -300, 0, 4110)});
}

}  // namespace tessaly::ui
