// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Data Conversion" tab: an amount of data in bits, bytes, kilo-, mega- and gigabits and -bytes.
#pragma once

#include <array>
#include <optional>

#include "core/data_units.h"
#include "core/numbers.h"
#include "ui/tabs/tab_page.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessaly::ui {

class Results;

class ConversionTab : public TabPage {
    Q_OBJECT

public:
    explicit ConversionTab(QWidget* parent = nullptr);

    QString caption() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void convert();
    void unitSelectionChanged();
    void unitClicked();

    const Separators separators_;
    QLineEdit* amount_;
    QListWidget* units_;
    std::array<QLineEdit*, kDataUnitCount> outputs_{};
    Results* results_;
    std::optional<Conversion> latest_;
    // Whether the mouse press now in progress has already converted by changing the selection,
    // so that its click does not convert a second time.
    bool pressConverted_ = false;
};

}  // namespace tessaly::ui
