#include "ui/platform/HelpTopic.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char kTopicProperty[] = "vemoHelpTopic";

}  // namespace

void SetHelpTopic(QWidget& widget, int topic) { widget.setProperty(kTopicProperty, topic); }

int HelpTopicOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(kTopicProperty);
        if (topic.isValid()) return topic.toInt();
    }
    return 0;
}
