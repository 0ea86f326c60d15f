// Gives every field, list and button of the window the name a screen reader announces for it.
#pragma once

class QWidget;

namespace tessaly::ui {

// Names each known control under `window` after the caption the user sees beside it, and
// describes it by the section it belongs to, so that fields with the same caption on
// different sections stay apart. Controls that do not exist are passed by.
void NameControlsForAssistiveTools(QWidget* window);

}  // namespace tessaly::ui
