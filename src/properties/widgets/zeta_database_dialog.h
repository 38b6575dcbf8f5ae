// TZetaDatenbank, "Database resistance coefficients of fittings": measured
// resistance coefficients by manufacturer ("*.ZTA" files), fitting and
// diameter. The lists follow the core ZetaSelection; "Copy to &element
// window" closes the dialog and reports the chosen fitting with
// fittingChosen(); whoever opened the dialog turns it into the element
// "Resistance coefficient" and, when CheckBox1 is checked, names the fitting
// in the specification row of the next calculation.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "properties/zeta_database.h"
#include "base/messages_clipboard_files.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

// Where the "*.ZTA" files are: the program's directory, or the installed data
// directory when the program's directory holds none.
std::string zetaDirectory();

class TZetaDatenbank : public QDialog {
    Q_OBJECT
public:
    TZetaDatenbank(MessageSink& messages, QWidget* parent, std::string directory = zetaDirectory());
    ~TZetaDatenbank() override;

    // The directory listed the next time the dialog is shown.
    void setDirectory(std::string directory);
    const std::string& directory() const { return directory_; }
    const ZetaSelection& selection() const { return *selection_; }

Q_SIGNALS:
    // "Copy to &element window" was pressed on a complete choice;
    // `withSpecification` is the state of CheckBox1.
    void fittingChosen(const tolvane::ZetaCopy& copy, bool withSpecification);

public Q_SLOTS:
    void FormShow();
    void FileListBox1Change(int row);
    void ListBox1Click(int row);
    void ListBox2Click(int row);
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The lists and the coefficient field from the selection, without echoes.
    void showFiles();
    void showFittings();
    void showDiameters();

    MessageSink& messages_;
    std::string directory_;
    std::unique_ptr<ZetaSelection> selection_;

    QListWidget* FileListBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

}  // namespace tolvane
