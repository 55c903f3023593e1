// The help topic of a control, for F1: a control shows the help at its own
// topic, or at the nearest one of the widgets it sits in.
#pragma once

class QWidget;

void SetHelpTopic(QWidget& widget, int topic);
// The topic of `widget` or of the nearest widget around it that has one; 0
// when none has.
int HelpTopicOf(const QWidget* widget);
// The topic F1 opens in `window`: the control under focus's own; for
// controls that never take the focus (a disabled counter, a display) the
// one under the mouse pointer; otherwise the window's.
int ContextHelpTopic(const QWidget& window);
