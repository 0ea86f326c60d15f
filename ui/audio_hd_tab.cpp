#include "ui/audio_hd_tab.h"

#include "ui/text.h"

namespace tessaly::ui {

AudioHdTab::AudioHdTab(QWidget* parent) : TabPage(parent), separators_(LocaleSeparators()) {}

void AudioHdTab::disableCombo() {}
void AudioHdTab::loadHdSpaceDefaults() {}
void AudioHdTab::loadAudioBitrateDefaults() {}
void AudioHdTab::loadComboItems() {}

}  // namespace tessaly::ui
