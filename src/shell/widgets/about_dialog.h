// TueberBox, "About Tolvane": the program's name, version and licence, the
// published sources of its data and the Qt version it runs on, beside the
// program's icon. Opened modally from "&Help" > "&About Tolvane"; it has no
// logic of its own.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace tolvane {

class TueberBox : public QDialog {
    Q_OBJECT
public:
    // sourcesFilePath: where SOURCES.md was found, named in the text.
    explicit TueberBox(const std::string& sourcesFilePath, QWidget* parent = nullptr);

private:
    QLabel* ProgramIcon = nullptr;
    QLabel* ProgramName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Licence = nullptr;
    QLabel* SourcesIntro = nullptr;
    QLabel* DataSources = nullptr;
    QLabel* QtVersion = nullptr;
    QPushButton* OKBtn = nullptr;
};

// The program's icon drawn at the given size (the window icon of every
// window, and the About box's picture).
QPixmap programIcon(int size);

}  // namespace tolvane
