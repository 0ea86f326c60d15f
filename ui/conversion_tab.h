// The "Data Conversion" tab: an amount of data in bits, bytes, kilo-, mega- and gigabits and -bytes.
#pragma once

#include "core/numbers.h"
#include "ui/tab_page.h"

class QPushButton;

namespace tessaly::ui {

class ConversionTab : public TabPage {
    Q_OBJECT

public:
    explicit ConversionTab(QWidget* parent = nullptr);

    // The window's start-up: the eight units appended to the list, none selected.
    void loadUnits();

signals:
    void exitRequested();

private:
    const Separators separators_;
    QPushButton* command5_;
};

}  // namespace tessaly::ui
