// The program's help window: the HTML pages shipped in help/ beside the
// executable, with back, forward, the contents and a search in the page
// (Ctrl+F). It is not modal, so the scorer can read it beside the window
// the question is about; one window serves every request and keeps its
// history.
#pragma once

#include "ui/platform/HelpTopics.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolBar;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // `folder` holds the pages and topics.txt and ends with '/'.
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows the page of `topic`, or the contents for 0 or an unknown topic.
    void ShowTopic(int topic);

private:
    QToolBar* MakeToolBar();
    QWidget* MakeFindBar();
    void OpenFindBar();
    void CloseFindBar();
    // Looks for the field's text from the cursor on (back when `backward`),
    // starting over at the other end of the page when it runs out.
    void Find(bool backward);
    void ShowTitle();

    QString FFolder;
    HelpTopics FTopics;
    QTextBrowser* HelpText;
    QWidget* FindBar;
    QLineEdit* FindText;
    QLabel* FindResult;
};

// The folder of the help: help/ in the program directory (beside the
// executable), with a trailing '/'.
QString HelpFolder();
// Shows the help at `topic` in the program's one help window, created on
// first use and kept until the program ends. While a modal window is open
// the help belongs to it, so that it can be read and scrolled. False when
// the help folder has no contents page.
bool OpenHelp(int topic);
