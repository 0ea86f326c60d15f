#include "ui/info_tab.h"

#include <QPushButton>

#include "ui/design.h"

namespace tessaly::ui {

InfoTab::InfoTab(QWidget* parent) : TabPage(parent) {
    command4_ = new QPushButton(tr("Ex&it"), canvas());
    command4_->setObjectName(QStringLiteral("Command4"));
    Place(command4_, 5670, 5145, 1500, 780);
    connect(command4_, &QPushButton::clicked, this, &InfoTab::exitRequested);
}

}  // namespace tessaly::ui
