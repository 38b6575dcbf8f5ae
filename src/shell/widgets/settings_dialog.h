// TEinstellungenDlg, "Settings": the output system, the number of decimal
// places, the saving of settings at the end of the program and the units of
// the user defined database. The last three controls are the settings
// themselves: each change goes into the session's Settings at once, whichever
// button then closes the dialog. The output system is taken only by "&OK",
// which announces a change with outputSystemChanged().
#pragma once

#include <QDialog>
#include <QWidget>

#include "shell/session.h"
#include "base/messages_clipboard_files.h"
#include "base/widgets/up_down_buttons.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tolvane {

class TEinstellungenDlg : public QDialog {
    Q_OBJECT
public:
    TEinstellungenDlg(Settings& settings, MessageSink& messages, QWidget* parent = nullptr);

    // Every control from the settings (after start-up read them, and each
    // time the dialog opens), without the change warning.
    void showSettings();

    UpDownButtons* UpDown1;

public Q_SLOTS:
    void OKBtnClick();
    void CancelBtnClick();
    void UpDown1Click(int position);
    void ComboBox2Change(int index);
    void ComboBox3Change(int index);

Q_SIGNALS:
    // "&OK" changed the output system; the calculation table converts.
    void outputSystemChanged(tolvane::OutputSystem system);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Settings& settings_;
    MessageSink& messages_;

    QComboBox* ComboBox1;  // "Output of values:" metric / U = nullptr;
    QLineEdit* Edit2;      // "Number of decimal places: = nullptr;
    QComboBox* ComboBox2;  // "Saving of settings at end of program:" yes / n = nullptr;
    QComboBox* ComboBox3;  // "Units of the user defined database:" metric / U = nullptr;
    // Beside the settings of the settings file, kept in a file of its own.
    QCheckBox* CheckKeepDiameter = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
