// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabs/conversion_tab.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "ui/results/accessibility.h"
#include "ui/results/results.h"
#include "ui/results/working.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design.h"
#include "ui/widgets/grounds.h"
#include "ui/widgets/message.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

const char* const kNote =
    "This program will not correctly calculate the space on a Hard Drive if you use the size given "
    "on the HD box.  HD manufacturers use 1,000,000,000 bytes to represent 1 GB, but in the REAL "
    "world 1 GB is 1073741824 bytes.   Use the values your OS gives you";

// Where each unit's row stands, bits first; the wordings of the list and of the caption
// beside the box are the unit's own names.
struct UnitRow {
    const char* equalsName;
    int equalsTop;
    const char* boxName;
    int boxTop;
    const char* labelName;
    int labelTop;
};

constexpr std::array<UnitRow, kDataUnitCount> kRows{{
    {"Label14", 885, "Text2", 1005, "Label32", 1005},
    {"Label18", 1380, "Text3", 1485, "Label31", 1470},
    {"Label19", 1860, "Text4", 1965, "Label30", 1950},
    {"Label20", 2355, "Text5", 2460, "Label29", 2445},
    {"Label21", 2835, "Text6", 2940, "Label28", 2925},
    {"Label22", 3330, "Text7", 3420, "Label27", 3420},
    {"Label23", 3810, "Text8", 3900, "Label26", 3900},
    {"Label33", 4305, "Text9", 4380, "Label25", 4380},
}};

// The unit list: one unit chosen at a time and, once one is, always one. Ctrl+click and Ctrl+Space
// on the chosen unit would deselect it and leave the outputs showing figures for no unit.
class UnitList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
        return command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)
                   ? QItemSelectionModel::NoUpdate
                   : command;
    }
};

// One of the names of the unit in list position `position`.
QString UnitName(std::size_t position, std::string_view DataUnitNames::*name) {
    return FromUtf8(NamesOf(kDataUnits[position]).*name);
}

// How box `box` (bits first) got its figure in the latest conversion, if any.
QString ConversionWorking(const std::optional<Conversion>& latest, std::size_t box, const QString& decimal) {
    Lines lines(decimal);
    if (!latest || !latest->unit)
        return WorkingTr("Nothing has been converted yet: type an amount and choose its unit in the list.");
    if (latest->stop && latest->stop->reason != StopReason::TooLarge)
        return WorkingTr("The input is not a number, so there is nothing to convert and every box shows -.");
    if (latest->stop)
        return WorkingTr(
            "The input is too large to show in bits, so there is nothing to convert and every box shows -.");
    const std::size_t selected = PositionOf(*latest->unit);
    const QString from = UnitName(selected, &DataUnitNames::symbol);
    if (box == selected) {
        lines << WorkingTr("the input, as typed, in %1").arg(from);
    } else if (box < selected) {
        const BoxWorking& step = latest->working[box];
        lines << WorkingTr("%1 %2 \u00d7 %3 = %4 %5 (1 %2 = %3 %5)")
                     .arg(lines.n(step.from), from, lines.n(step.factor), lines.n(step.result),
                          UnitName(box, &DataUnitNames::symbol));
    } else {
        for (std::size_t k = selected + 1; k <= box; ++k) {
            const BoxWorking& step = latest->working[k];
            lines << WorkingTr("%1 %2 \u00f7 %3 = %4 %5")
                         .arg(lines.n(step.from), UnitName(k - 1, &DataUnitNames::symbol),
                              lines.n(step.factor), lines.n(step.result),
                              UnitName(k, &DataUnitNames::symbol));
        }
    }
    lines << WorkingTr("Every prefix here is a power of 1024: 1 kbit = 1024 bits, 1 kB = 1024 bytes.");
    return lines.text();
}

QLabel* MakePrompt(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    QLabel* label = MakeLabel(parent, name, caption, twips);
    label->setFont(DesignFont(12, true));
    // The substitute font runs wider than the one the prompts were measured for; the room to their
    // right is free, so they grow rather than lose their last word.
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

QLineEdit* MakeOutputBox(QWidget* parent, const UnitRow& row, QLabel* caption) {
    QFont font = DesignFont(9.75);
    // The substitute font is a little wider than the design's; set a shade tighter, the longest
    // result ("-1.16415321826935E+290") still fits its box whole.
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
    QLineEdit* box = MakeField(parent, row.boxName, {3105, row.boxTop, 2355, 360}, caption, font);
    // Locked: the user may select and copy a result but not edit it, and Tab passes it by.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

}  // namespace

QString ConversionTab::caption() const { return tr("Data Conversion"); }

ConversionTab::ConversionTab(QWidget* parent) : TabPage(parent), separators_(LocaleSeparators()) {
    QWidget* c = canvas();

    QLabel* amountPrompt = MakePrompt(c, "Label38", tr("Input value here:"), {270, 705, 1500, 285});
    amount_ = MakeField(c, "Text1", {270, 1020, 1905, 420}, amountPrompt, DesignFont(9.75));
    MakePrompt(c, "Label3", tr("Then"), {270, 1545, 1410, 420});
    QLabel* unitPrompt = MakePrompt(c, "Label24", tr("Select data type:"), {270, 1995, 2175, 285});

    units_ = new UnitList(c);
    Place(units_, "List1", {270, 2370, 1770, 2460});
    units_->setFont(DesignFont(12));
    units_->setSelectionMode(QAbstractItemView::SingleSelection);
    units_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    units_->setUniformItemSizes(true);
    NameAfter(units_, unitPrompt);

    for (std::size_t i = 0; i < kDataUnitCount; ++i) {
        const UnitRow& row = kRows[i];
        QLabel* equals = MakeLabel(c, row.equalsName, QStringLiteral("="), {2835, row.equalsTop, 330, 330},
                                   Qt::AlignCenter);
        equals->setFont(DesignFont(19.5, true));
        QLabel* unit = MakeLabel(c, row.labelName, UnitName(i, &DataUnitNames::caption),
                                 {5535, row.labelTop, 1770, 360});
        unit->setFont(DesignFont(9.75));
        unit->setFrameStyle(QFrame::Box | QFrame::Plain);
        SetGround(unit, Ground::Box);
        outputs_[i] = MakeOutputBox(c, row, unit);
    }

    QLabel* note = MakeLabel(c, "Label35", QString::fromLatin1(kNote), {495, 5265, 5010, 870},
                             Qt::AlignHCenter | Qt::AlignTop);
    note->setWordWrap(true);
    SetGround(note, Ground::Midlight);

    QPushButton* exit = MakeExitButton(c, "Command5", tr("Ex&it"), {5850, 5175, 1500, 780});

    addEtchedRectangle(135, 495, 7425, 5010);
    addEtchedRectangle(450, 5190, 5580, 6120);
    addStroke({QLine(0, 0, 5085, 0), QPalette::Dark, 1});

    DescribeSection({c}, caption());
    results_ = new Results(this);
    for (std::size_t box = 0; box < kDataUnitCount; ++box) {
        results_->add(outputs_[box], UnitName(box, &DataUnitNames::symbol),
                      [this, box] { return ConversionWorking(latest_, box, FromUtf8(separators_.decimal)); });
        results_->copyOnCtrlC({outputs_[box]}, outputs_[box]);
    }

    QWidget::setTabOrder(amount_, units_);
    QWidget::setTabOrder(units_, exit);

    connect(amount_, &QLineEdit::textChanged, this, &ConversionTab::convert);
    // A unit is chosen when the selection moves, by mouse or keyboard, or when the selected unit is
    // clicked again; a focus change only moves the list's cursor and converts nothing.
    connect(units_, &QListWidget::itemSelectionChanged, this, &ConversionTab::unitSelectionChanged);
    connect(units_, &QListWidget::itemClicked, this, &ConversionTab::unitClicked);
    units_->viewport()->installEventFilter(this);
    connect(exit, &QPushButton::clicked, this, &ConversionTab::exitRequested);
    // Fifth in the window's start-up: the eight units appended to the list, none selected.
    atStartup(4, [this] {
        for (std::size_t i = 0; i < kDataUnitCount; ++i)
            units_->addItem(UnitName(i, &DataUnitNames::listItem));
    });
}

bool ConversionTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == units_->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        pressConverted_ = false;
    return TabPage::eventFilter(watched, event);
}

void ConversionTab::unitSelectionChanged() {
    pressConverted_ = true;
    convert();
}

void ConversionTab::unitClicked() {
    if (!pressConverted_)
        convert();
    pressConverted_ = false;
}

void ConversionTab::convert() {
    const QList<QListWidgetItem*> selected = units_->selectedItems();
    const int row = selected.isEmpty() ? -1 : units_->row(selected.first());
    const Conversion conversion = ConvertData(Utf8(amount_->text()), DataUnitAt(row), separators_);
    latest_ = conversion;
    results_->changed();

    const auto show = [this](std::size_t box, const QString& text) {
        outputs_[box]->setText(text);
        outputs_[box]->setCursorPosition(0);  // a long number shows its leading digits
    };
    for (std::size_t box = 0; box < conversion.written; ++box)
        show(box, FromUtf8(conversion.texts[box]));
    if (conversion.message)
        ShowMessage(window(), *conversion.message);
    if (conversion.clearAll) {
        for (std::size_t box = 0; box < kDataUnitCount; ++box)
            show(box, QStringLiteral("-"));
    }
}

}  // namespace tessaly::ui
