// HelpWindow, "Tolvane Help": the program's help pages in a browser with
// back, forward and home, beside three tabs: the table of contents, the
// keyword index and a full-text search. It stands beside the other windows;
// opened from a modal dialog it becomes that dialog's child so it can be
// read and scrolled while the dialog waits.
#pragma once

#include <QWidget>
#include <string>

#include "help/help_index.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvane {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const std::string& helpDirectory, QWidget* parent = nullptr);

    // Shows the window at "page.html" or "page.html#anchor" (relative to the
    // help directory) and brings it to the front.
    void showTopic(const QString& target);
    void showContents();

    // The shown page and anchor, relative to the help directory.
    QString currentTarget() const;
    const HelpIndex& index() const { return index_; }

public Q_SLOTS:
    void runSearch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildContents();
    void buildIndex();
    void pageShown();
    void markInContents();
    void filterIndex(const QString& text);
    void openItem(QTreeWidgetItem* item);
    void openTarget(const QString& target);
    void followModalDialog();
    void fitToScreen();

    HelpIndex index_;
    QString dir_;

    QTextBrowser* Browser = nullptr;
    QTabWidget* Tabs = nullptr;
    QTreeWidget* ContentsTree = nullptr;
    QLineEdit* IndexEdit = nullptr;
    QTreeWidget* IndexTree = nullptr;
    QLineEdit* SearchEdit = nullptr;
    QListWidget* SearchResults = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
    QToolButton* HomeButton = nullptr;
};

}  // namespace tolvane
