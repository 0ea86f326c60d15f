// The captions that screen readers announce for the window's fields, which Qt cannot find
// on its own because the captions are separate labels placed beside the fields.
#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tessaly::ui {

namespace {

struct AccessibleCaption {
    const char* control;  // objectName
    const char* name;     // the caption beside the control, as shown
    const char* section;  // the heading of the part of the window it belongs to
};

// The section headings are the tab captions, or the titles shown above each half of the
// second tab, so a reader hears which of the two "Movie Length (mins):" fields it is in.
constexpr const char* kBitrate = "Bitrate Calculator";
constexpr const char* kHdSpace = "HD Space Calculator";
constexpr const char* kAudio = "Audio Bitrate Calculator";
constexpr const char* kConversion = "Data Conversion";
constexpr const char* kInfo = "Info";

constexpr AccessibleCaption kCaptions[] = {
    {"txtMin", "length of movie", kBitrate},
    {"txtAudBit", "audio bitrate", kBitrate},
    {"txtSize", "desired file size", kBitrate},
    {"txtVidBit", "video bitrate", kBitrate},
    {"audData", "total audio data", kBitrate},
    {"lblVidData", "total video data", kBitrate},
    {"Command1", "Exit", kBitrate},
    {"Command3", "Exit", kBitrate},

    {"Text10", "Movie Length (mins):", kHdSpace},
    {"Text11", "Video Bitrate (kbits/s):", kHdSpace},
    {"Option1", "48 KHz (almost all DVD's)", kHdSpace},
    {"Option2", "44.1 KHz", kHdSpace},
    {"Option3", "Other  (kbits/sec):", kHdSpace},
    {"Combo1", "Other  (kbits/sec):", kHdSpace},
    {"Label44", "Space Required On Hard Drive ", kHdSpace},

    {"Text13", "Movie Length (mins):", kAudio},
    {"Text14", "Flasked AVI size (MB's):", kAudio},
    {"Option4", "Yes", kAudio},
    {"Option5", "No", kAudio},
    {"Option6", "48 KHz", kAudio},
    {"Option7", "44.1 KHz", kAudio},
    {"Text15", "Desired File Size (MB's):", kAudio},
    {"Text16", "Calculated Audio Bitrate:", kAudio},
    {"Text17", "Suggested Bitrate:", kAudio},

    {"Text1", "Input value here:", kConversion},
    {"List1", "Select data type:", kConversion},
    {"Text2", "bits", kConversion},
    {"Text3", "bytes", kConversion},
    {"Text4", "kilobits (kb/kbit)", kConversion},
    {"Text5", "kilobytes (kB)", kConversion},
    {"Text6", "megabits (Mbit)", kConversion},
    {"Text7", "megabytes (MB)", kConversion},
    {"Text8", "gigabits (Gbit)", kConversion},
    {"Text9", "gigabytes (GB)", kConversion},
    {"Command5", "Exit", kConversion},

    {"Command4", "Exit", kInfo},
};

// Marks the labels that show a result rather than a caption.
constexpr const char* kResultProperty = "tessalyResult";

// A label that shows a result is announced by the caption beside it, and its number is
// its value: Qt's own label interface would let the name hide the number.
class ResultLabelAccessible : public QAccessibleWidget {
public:
    explicit ResultLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* ResultLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object || !object->property(kResultProperty).toBool())
        return nullptr;
    return new ResultLabelAccessible(static_cast<QLabel*>(object));
}

}  // namespace

void NameControlsForAssistiveTools(QWidget* window) {
    static const bool factoryInstalled = (QAccessible::installFactory(ResultLabelFactory), true);
    Q_UNUSED(factoryInstalled);
    for (const AccessibleCaption& caption : kCaptions) {
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(caption.control));
        if (!control)
            continue;
        const QString name = QCoreApplication::translate("Accessibility", caption.name);
        const QString section = QCoreApplication::translate("Accessibility", caption.section);
        if (qobject_cast<QLabel*>(control)) {
            control->setProperty(kResultProperty, true);
            // Qt made and kept the label's interface when the label was created; dropping it
            // lets the next query go through the factory above.
            if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
        control->setAccessibleName(name);
        control->setAccessibleDescription(section);
        // Qt on Linux announces an editable combo box by its text, so the caption goes on
        // the edit field inside it, which is what holds the focus while the user types.
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
            combo->lineEdit()->setAccessibleName(name);
            combo->lineEdit()->setAccessibleDescription(section);
        }
    }
}

}  // namespace tessaly::ui
