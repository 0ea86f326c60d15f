// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/disc_menu.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

#include "core/discs.h"
#include "ui/widgets/field_menu.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

void OfferDiscSizes(QLineEdit* field, const Separators& separators) {
    ExtendFieldMenu(field, [field, decimal = separators.decimal](QMenu* menu) {
        for (const DiscPreset& preset : kDiscPresets) {
            const QString megabytes = FromUtf8(DiscMegabytesText(preset, decimal));
            const QString label =
                QCoreApplication::translate("DiscMenu", "%1: %2 MB").arg(FromUtf8(preset.label), megabytes);
            QAction* action = menu->addAction(label);
            action->setObjectName(QStringLiteral("disc_") + FromUtf8(preset.name));
            QObject::connect(action, &QAction::triggered, field,
                             [field, megabytes] { WriteAsTyped(field, megabytes); });
        }
    });
}

}  // namespace tessaly::ui
