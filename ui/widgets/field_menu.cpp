// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/field_menu.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <vector>

namespace tessaly::ui {

namespace {

constexpr char kName[] = "fieldMenuExtensions";

// The extensions of one field, kept as its child, found again by its name.
class Extensions : public QObject {
public:
    explicit Extensions(QLineEdit* field) : QObject(field) {
        setObjectName(QLatin1String(kName));
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [field, this](const QPoint& pos) {
            QPointer<QMenu> menu = field->createStandardContextMenu();
            for (const auto& fill : fills) {
                menu->addSeparator();
                fill(menu);
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(field->mapToGlobal(pos));
        });
    }

    std::vector<std::function<void(QMenu*)>> fills;
};

}  // namespace

void ExtendFieldMenu(QLineEdit* field, std::function<void(QMenu*)> fill) {
    auto* extensions = static_cast<Extensions*>(
        field->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly));
    if (!extensions)
        extensions = new Extensions(field);
    extensions->fills.push_back(std::move(fill));
}

void WriteAsTyped(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

}  // namespace tessaly::ui
