#include "ui/conversion_tab.h"

#include <QPushButton>

#include "ui/design.h"
#include "ui/text.h"

namespace tessaly::ui {

ConversionTab::ConversionTab(QWidget* parent) : TabPage(parent), separators_(LocaleSeparators()) {
    command5_ = new QPushButton(tr("Ex&it"), canvas());
    command5_->setObjectName(QStringLiteral("Command5"));
    Place(command5_, 5850, 5175, 1500, 780);
    connect(command5_, &QPushButton::clicked, this, &ConversionTab::exitRequested);
}

void ConversionTab::loadUnits() {}

}  // namespace tessaly::ui
