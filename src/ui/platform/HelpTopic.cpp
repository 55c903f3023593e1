#include "ui/platform/HelpTopic.h"

#include <QCursor>
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

int ContextHelpTopic(const QWidget& window) {
    const int windowTopic = HelpTopicOf(&window);
    if (const QWidget* focus = window.focusWidget()) {
        const int topic = HelpTopicOf(focus);
        if (topic != 0 && topic != windowTopic) return topic;
    }
    if (const QWidget* pointed = window.childAt(window.mapFromGlobal(QCursor::pos()))) {
        const int topic = HelpTopicOf(pointed);
        if (topic != 0) return topic;
    }
    return windowTopic;
}
